#include "data/row_writer.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class TransactionTest : public SiteDbTest {
protected:
    int departments()
    {
        return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_Department")).toInt();
    }
    void addDepartment(const QString& name)
    {
        insertRow(*m_db, QStringLiteral("Q_Department"), {{QStringLiteral("DEPARTMENT"), name}});
    }
};

// A statement failing part-way through an operation leaves nothing of the operation behind.
TEST_F(TransactionTest, FailureRollsBackTheWholeOperation)
{
    try {
        Transaction tx(*m_db);
        addDepartment(QStringLiteral("MUTFAK"));
        addDepartment(QStringLiteral("BAR"));
        m_db->exec(QStringLiteral("INSERT INTO Q_Department (no_such_column) VALUES (1)"));
        tx.commit();
        FAIL() << "the failing statement did not throw";
    } catch (const DbError& e) {
        EXPECT_FALSE(e.text().isEmpty());
    }
    EXPECT_EQ(departments(), 0);
    EXPECT_FALSE(m_db->inTransaction());

    // The connection is usable afterwards and a good operation commits.
    Transaction tx(*m_db);
    addDepartment(QStringLiteral("MUTFAK"));
    tx.commit();
    EXPECT_EQ(departments(), 1);
}

TEST_F(TransactionTest, NestedFailureDoomsTheOuterOperation)
{
    Transaction outer(*m_db);
    addDepartment(QStringLiteral("MUTFAK"));
    {
        Transaction inner(*m_db);
        addDepartment(QStringLiteral("BAR"));
        // left without commit, as when an exception passes through
    }
    EXPECT_THROW(outer.commit(), DbError);
    EXPECT_EQ(departments(), 0);
}

TEST_F(TransactionTest, NestedCommitsJoinTheOuterOne)
{
    {
        Transaction outer(*m_db);
        {
            Transaction inner(*m_db);
            addDepartment(QStringLiteral("BAR"));
            inner.commit();
        }
        addDepartment(QStringLiteral("MUTFAK"));
        // destroyed without commit: everything goes
    }
    EXPECT_EQ(departments(), 0);
}

} // namespace

namespace {

class ReconnectTest : public SiteDbTest {
protected:
    // What a server restart or a dropped link does to this terminal's connection.
    void dropConnection()
    {
        const qint64 pid = m_db->scalar(QStringLiteral("SELECT pg_backend_pid()")).toLongLong();
        pgAdmin(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid));
    }
};

// The terminal carries on after its connection broke: the next read connects again, the
// next operation begins on a new connection; a write is never repeated behind its back.
TEST_F(ReconnectTest, ConnectionIsMadeAgainAfterItBroke)
{
    if (testBackend() != Backend::PostgreSQL)
        GTEST_SKIP() << "an embedded database has no connection to lose";
    dropConnection();
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_SETUP")).toInt(), 1);

    dropConnection();
    {
        Transaction tx(*m_db);
        insertRow(*m_db, QStringLiteral("Q_Department"),
                  {{QStringLiteral("DEPARTMENT"), QStringLiteral("MUTFAK")}});
        tx.commit();
    }

    dropConnection();
    EXPECT_THROW(insertRow(*m_db, QStringLiteral("Q_Department"),
                           {{QStringLiteral("DEPARTMENT"), QStringLiteral("BAR")}}),
                 DbError);
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_Department")).toInt(), 1);
}

} // namespace
