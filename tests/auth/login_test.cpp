#include <gtest/gtest.h>

#include "app/login.h"
#include "app/session.h"
#include "data/demo_restaurant.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class LoginTest : public SiteDbTest {
protected:
    void SetUp() override
    {
        SiteDbTest::SetUp();
        loadDemoRestaurant(*m_db, m_database->siteDir(), QStringLiteral("T1"));
    }
    Session session;
};

TEST_F(LoginTest, OnlyACashierCodeLogsIn)
{
    for (const char* code : {"3333", "909090", "111", "0"}) { // Garson, Admin, part, empty
        EXPECT_FALSE(login(*m_db, session, QStringLiteral("T1"), QString::fromLatin1(code)).matched)
            << code;
    }
    EXPECT_TRUE(session.cash_ed.isEmpty());

    const LoginResult r = login(*m_db, session, QStringLiteral("T1"), QStringLiteral("1111"));
    EXPECT_TRUE(r.matched);
    EXPECT_EQ(r.username, QStringLiteral("Ayşe"));
    EXPECT_EQ(session.cash_ed, QStringLiteral("Ayşe"));
    EXPECT_EQ(session.pos_ed, QStringLiteral("SALON"));
    EXPECT_EQ(session.lblpcadi, QStringLiteral("T1"));
}

TEST_F(LoginTest, FirstOfTwoCashiersWithOneCodeWinsAndRoleIsExact)
{
    m_db->exec(QStringLiteral("UPDATE Q_userkontrol SET pwd = :c WHERE username = :u"),
               {{QStringLiteral("c"), QStringLiteral("1111")},
                {QStringLiteral("u"), QStringLiteral("Mehmet")}});
    EXPECT_EQ(login(*m_db, session, QStringLiteral("T1"), QStringLiteral("1111")).username,
              QStringLiteral("Ayşe"));

    m_db->exec(QStringLiteral("UPDATE Q_userkontrol SET bolum = :b WHERE username = :u"),
               {{QStringLiteral("b"), QStringLiteral("kasiyer")},
                {QStringLiteral("u"), QStringLiteral("Ayşe")}});
    EXPECT_EQ(login(*m_db, session, QStringLiteral("T1"), QStringLiteral("1111")).username,
              QStringLiteral("Mehmet"));
}

TEST_F(LoginTest, TerminalWithoutSettingsLogsInWithoutHall)
{
    session.pos_ed = QStringLiteral("stale");
    const LoginResult r = login(*m_db, session, QStringLiteral("T9"), QStringLiteral("2222"));
    EXPECT_TRUE(r.matched);
    EXPECT_TRUE(r.dpos.isEmpty());
    EXPECT_TRUE(session.pos_ed.isEmpty());
    EXPECT_EQ(session.lblpcadi, QStringLiteral("T9"));
}

} // namespace
