#include <QProcess>
#include <QSet>

#include "data/counters.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class CountersTest : public SiteDbTest {};

TEST_F(CountersTest, NumbersFollowOneAnother)
{
    EXPECT_EQ(counters::nextSilmeNo(*m_db), 1);
    EXPECT_EQ(counters::nextSilmeNo(*m_db), 2);
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT SILME_NO FROM Q_SETUP")).toInt(), 2);

    EXPECT_EQ(counters::reserveCheckNumber(*m_db), 1);
    EXPECT_EQ(counters::reserveCheckNumber(*m_db), 2);
    // The number-only row reserves the number.
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_adisyon WHERE adisyon = 2 "
                                          "AND islem IS NULL"))
                  .toInt(),
              1);
}

TEST_F(CountersTest, NumberTakenInAFailedOperationIsNotLost)
{
    // A rolled-back operation gives its number back rather than leaving a gap or a duplicate.
    {
        Transaction tx(*m_db);
        EXPECT_EQ(counters::nextSilmeNo(*m_db), 1);
    }
    EXPECT_EQ(counters::nextSilmeNo(*m_db), 1);
}

// Two terminals taking numbers at the same moment never get the same one.
TEST_F(CountersTest, TwoTerminalsNeverShareANumber)
{
    struct Run {
        const char* counter;
        int perTerminal;
    };
    for (const Run run : {Run{"silme", 1000}, Run{"check", 300}}) {
        SCOPED_TRACE(run.counter);
        QProcess a;
        QProcess b;
        const QStringList args = {QString::fromLatin1(run.counter),
                                  QString::number(run.perTerminal), m_database->siteDir()};
        a.start(QStringLiteral(OSTRIMA_COUNTER_WORKER), args);
        b.start(QStringLiteral(OSTRIMA_COUNTER_WORKER), args);
        ASSERT_TRUE(a.waitForFinished(600000));
        ASSERT_TRUE(b.waitForFinished(600000));
        ASSERT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
        ASSERT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
        QSet<qint64> seen;
        int taken = 0;
        for (QProcess* p : {&a, &b}) {
            for (const auto& line : p->readAllStandardOutput().split('\n')) {
                if (line.isEmpty())
                    continue;
                seen.insert(line.toLongLong());
                ++taken;
            }
        }
        EXPECT_EQ(taken, 2 * run.perTerminal);
        EXPECT_EQ(seen.size(), 2 * run.perTerminal);
    }
}

} // namespace
