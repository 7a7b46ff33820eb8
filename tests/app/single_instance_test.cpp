#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ostrima {
namespace {

QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

// Which running processes a copy of a terminal ends: same program, same --client value.
TEST(SingleInstance, FindsTheCopiesOfTheSameTerminal)
{
    const std::vector<ProcessEntry> processes = {
        {11, words("/opt/ostrima/ostrima")},
        {12, words("ostrima --client T1")},
        {13, words("./ostrima --site /srv/site --client=T1")},
        {14, words("ostrimactl client-id")},
        {15, words("/usr/bin/OSTRIMA.EXE")},
        {16, words("bash -c ostrima")},
        {17, words("/build/ostrima --client T2")},
        {18, words("/build/ostrima --site --client")}, // "--client" is the site here
        {19, words("/build/ostrima-old/bin/ostrima2")},
    };
    struct Case {
        const char* client;
        qint64 self;
        QList<qint64> expected;
    };
    const Case cases[] = {
        {"", 0, {11, 15, 18}},
        {"", 11, {15, 18}},
        {"T1", 0, {12, 13}},
        {"T1", 12, {13}},
        {"T2", 0, {17}},
        {"T3", 0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(copiesOfTerminal(processes, QString::fromUtf8(c.client), c.self), c.expected)
            << "client '" << c.client << "', self " << c.self;
    }
}

TEST(SingleInstance, ReadsCommandLinesFromProc)
{
    QTemporaryDir proc;
    auto write = [&](const char* pid, const QByteArray& cmdline) {
        ASSERT_TRUE(QDir(proc.path()).mkpath(QString::fromLatin1(pid)));
        QFile f(proc.filePath(QString::fromLatin1(pid) + QStringLiteral("/cmdline")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(cmdline);
    };
    write("42", QByteArray("/build/ostrima\0--client\0Kasa 2\0", 31));
    write("43", QByteArray()); // a kernel thread
    write("self", QByteArray("ostrima\0", 8));
    const std::vector<ProcessEntry> processes = runningProcesses(proc.path());
    ASSERT_EQ(processes.size(), 1u);
    EXPECT_EQ(processes[0].pid, 42);
    EXPECT_EQ(processes[0].arguments,
              (QStringList{QStringLiteral("/build/ostrima"), QStringLiteral("--client"),
                           QStringLiteral("Kasa 2")}));
}

TEST(SingleInstance, TheLockAdmitsOneCopyPerTerminal)
{
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(QStringLiteral("Kasa/1"), dir.path());
    SingleInstance second(QStringLiteral("Kasa/1"), dir.path());
    SingleInstance otherTerminal(QStringLiteral("Kasa/2"), dir.path());
    SingleInstance withoutClient(QString(), dir.path());
    EXPECT_TRUE(first->tryLock());
    EXPECT_FALSE(second.tryLock());
    EXPECT_TRUE(otherTerminal.tryLock());
    EXPECT_TRUE(withoutClient.tryLock());
    first.reset();
    EXPECT_TRUE(second.tryLock());
}

} // namespace
} // namespace ostrima
