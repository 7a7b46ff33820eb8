#pragma once

#include <QStringList>
#include <QTextStream>

namespace ostrimactl {

// Each command prints to `out`, reports problems to `err` and returns the exit code.
int init(const QStringList& args, QTextStream& out, QTextStream& err);
int demo(const QStringList& args, QTextStream& out, QTextStream& err);
int clientId(const QStringList& args, QTextStream& out, QTextStream& err);
int check(const QStringList& args, QTextStream& out, QTextStream& err);
// Needs a QApplication (the screens are created, off screen when there is no display).
int exportCaptions(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace ostrimactl
