#include "app/single_instance.h"

#include <csignal>

#include <sys/types.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QUrl>

namespace ostrima {

QString clientArgument(const QStringList& arguments)
{
    QString client;
    // Read as parseStartupOptions reads it: "--site" takes the word after it, too.
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--client"))
            client = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (a.startsWith(QLatin1String("--client=")))
            client = a.mid(9);
        else if (a == QLatin1String("--site"))
            ++i;
    }
    return client;
}

bool isCopyOfTerminal(const QStringList& argv, const QString& client)
{
    if (argv.isEmpty())
        return false;
    const QString program = argv.first().section(u'/', -1);
    if (program.compare(QLatin1String("ostrima"), Qt::CaseInsensitive) != 0 &&
        program.compare(QLatin1String("ostrima.exe"), Qt::CaseInsensitive) != 0)
        return false;
    return clientArgument(argv.mid(1)) == client;
}

QList<qint64> copiesOfTerminal(const std::vector<ProcessEntry>& processes,
                               const QString& client, qint64 self)
{
    QList<qint64> pids;
    for (const ProcessEntry& p : processes) {
        if (p.pid != self && isCopyOfTerminal(p.arguments, client))
            pids << p.pid;
    }
    return pids;
}

std::vector<ProcessEntry> runningProcesses(const QString& procRoot)
{
    std::vector<ProcessEntry> processes;
    const QDir proc(procRoot);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        QFile cmdline(proc.filePath(entry + QStringLiteral("/cmdline")));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        QByteArray raw = cmdline.readAll();
        if (raw.isEmpty())
            continue; // kernel threads and processes that have ended
        if (raw.endsWith('\0'))
            raw.chop(1);
        ProcessEntry p;
        p.pid = pid;
        for (const QByteArray& arg : raw.split('\0'))
            p.arguments << QString::fromLocal8Bit(arg);
        processes.push_back(std::move(p));
    }
    return processes;
}

SingleInstance::SingleInstance(const QString& client, const QString& lockDir)
    : m_client(client)
{
    QString dir = lockDir;
    if (dir.isEmpty())
        dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    QString name = QStringLiteral("ostrima.exe");
    if (!client.isEmpty())
        name += u'-' + QString::fromLatin1(QUrl::toPercentEncoding(client));
    m_path = QDir(dir).filePath(name + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead holder makes the lock stale, never its age: a terminal runs for days.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryLock()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

int SingleInstance::endOtherCopies() const
{
    const QList<qint64> pids = copiesOfTerminal(runningProcesses(), m_client, ::getpid());
    int ended = 0;
    for (qint64 pid : pids) {
        if (::kill(static_cast<pid_t>(pid), SIGTERM) == 0)
            ++ended;
    }
    return ended;
}

QString SingleInstance::lockFilePath() const
{
    return m_path;
}

} // namespace ostrima
