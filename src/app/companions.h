#pragma once

#include <QString>
#include <QStringList>

namespace ostrima {

// A companion program a site may keep in its directory: the plain name, else the ".exe"
// name, when executable. Empty when there is none.
QString companionProgram(const QString& siteDir, const QString& name);

// Starts a companion detached, not waited for; false when absent or failing (which changes
// nothing else).
bool startCompanion(const QString& siteDir, const QString& name);

// The companions started with the login screen: "pda" and "zedirovi". Returns those started.
QStringList startCompanions(const QString& siteDir);

} // namespace ostrima
