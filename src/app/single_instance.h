#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

class QLockFile;

namespace ostrima {

// One running process as /proc shows it.
struct ProcessEntry {
    qint64 pid = 0;
    QStringList arguments; // argv, program first
};

// The value of --client on a command line (program name excluded), "" without one.
QString clientArgument(const QStringList& arguments);

// Whether a command line (program first) is a copy of the terminal `client`: the program's
// file name is "ostrima" (or "ostrima.exe", any case) and its --client value equals
// `client` ("" for a copy started without one).
bool isCopyOfTerminal(const QStringList& argv, const QString& client);

// The processes among `processes` that are copies of the terminal `client`, `self` left out.
QList<qint64> copiesOfTerminal(const std::vector<ProcessEntry>& processes,
                               const QString& client, qint64 self);

// Every process of this machine whose command line can be read.
std::vector<ProcessEntry> runningProcesses(const QString& procRoot = QStringLiteral("/proc"));

// One copy of the program per terminal and machine. The lock is named after "ostrima.exe"
// and the terminal's --client value, so terminals tried side by side on one machine do not
// end each other. A copy that finds the lock taken ends every other copy of its terminal and
// then itself: a terminal never runs twice.
class SingleInstance {
public:
    // `lockDir` empty: $XDG_RUNTIME_DIR, else the temporary directory.
    explicit SingleInstance(const QString& client, const QString& lockDir = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another live copy of this terminal holds the lock.
    bool tryLock();
    // Sends SIGTERM to every other copy of this terminal; returns how many were asked to end.
    int endOtherCopies() const;
    QString lockFilePath() const;

private:
    QString m_client;
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
};

} // namespace ostrima
