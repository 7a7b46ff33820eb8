#include <gtest/gtest.h>

#include "app/session.h"
#include "auth/auth_prompt.h"
#include "data/demo_restaurant.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

// Demo users: Ayşe 1111 and Mehmet 2222 (Kasiyer), Ali 3333 and Zeynep 4444 (Garson),
// Kemal 909090 (Admin). SALON asks no guests; BAHÇE does.
class AuthPromptTest : public SiteDbTest {
protected:
    void SetUp() override
    {
        SiteDbTest::SetUp();
        loadDemoRestaurant(*m_db, m_database->siteDir(), QStringLiteral("T1"));
        session.pos_ed = QStringLiteral("SALON");
    }

    QString tableWaiter(const QString& hall, const QString& table)
    {
        return m_db
            ->scalar(QStringLiteral("SELECT waiter FROM Q_master_table WHERE hall_name = :h AND "
                                    "Masa = :m"),
                     {{QStringLiteral("h"), hall}, {QStringLiteral("m"), table}})
            .toString();
    }

    Session session;
};

TEST_F(AuthPromptTest, WaiterPromptAsksGuestsWhereTheHallWantsThem)
{
    AuthPrompt prompt(*m_db, session);
    session.pos_ed = QStringLiteral("  BAHÇE"); // leading blanks as the hall list may hold
    session.masano = QStringLiteral("B3");
    prompt.show(100);
    EXPECT_TRUE(prompt.masked());
    for (const char* k : {"3", "3", "3", "3"})
        prompt.press(QString::fromLatin1(k));
    prompt.ok();
    EXPECT_FALSE(prompt.closed());
    EXPECT_EQ(prompt.caption(), QStringLiteral("Kuver  "));
    EXPECT_FALSE(prompt.masked());
    EXPECT_EQ(prompt.entry(), QStringLiteral("0"));
    EXPECT_EQ(session.waiter, QStringLiteral("Ali"));
    prompt.press(QStringLiteral("4"));
    prompt.ok();
    EXPECT_TRUE(prompt.closed());
    EXPECT_EQ(prompt.result(), QStringLiteral("4"));

    // In SALON the code itself is the result.
    session.pos_ed = QStringLiteral("SALON");
    EXPECT_EQ(prompt.runScripted(100, {QStringLiteral("9999"), QStringLiteral("4444")}),
              QStringLiteral("4444"));
    EXPECT_EQ(session.waiter, QStringLiteral("Zeynep"));
}

TEST_F(AuthPromptTest, CancellingTheWaiterPromptLeavesTheTable)
{
    session.pos_ed = QStringLiteral("BAHÇE");
    session.masano = QStringLiteral("B3");
    AuthPrompt prompt(*m_db, session);
    EXPECT_EQ(prompt.runScripted(100, {QStringLiteral("3333")}), QStringLiteral("0"));
    EXPECT_TRUE(session.masano.isEmpty());

    session.masano = QStringLiteral("B3");
    EXPECT_EQ(prompt.runScripted(200, {QStringLiteral("0")}), QStringLiteral("0"));
    EXPECT_EQ(session.masano, QStringLiteral("B3")); // guests alone do not own the table
}

TEST_F(AuthPromptTest, RightsNameTheAuthoriser)
{
    AuthPrompt prompt(*m_db, session);
    EXPECT_EQ(prompt.runScripted(300, {QStringLiteral("3333"), QStringLiteral("1111")}),
              QStringLiteral("1111"));
    EXPECT_EQ(session.islemyapan, QStringLiteral("Ayşe"));
    EXPECT_EQ(prompt.followUp(), PromptFollowUp::DiscountKeypad);

    // A user whose right was taken away at another terminal is refused at once.
    m_db->exec(QStringLiteral("UPDATE Q_userkontrol SET ind = :no WHERE username = :u"),
               {{QStringLiteral("no"), false}, {QStringLiteral("u"), QStringLiteral("Ayşe")}});
    session.islemyapan.clear();
    EXPECT_EQ(prompt.runScripted(300, {QStringLiteral("1111")}), QStringLiteral("0"));
    EXPECT_TRUE(session.islemyapan.isEmpty());
}

TEST_F(AuthPromptTest, WaiterChangeWritesTheSelectedTable)
{
    AuthPrompt prompt(*m_db, session);
    session.masano = QStringLiteral("5");
    EXPECT_EQ(prompt.runScripted(9993, {QStringLiteral("1111")}), QStringLiteral("0")); // Kasiyer
    EXPECT_EQ(tableWaiter(QStringLiteral("SALON"), QStringLiteral("5")), QString());
    EXPECT_EQ(prompt.runScripted(9993, {QStringLiteral("3333")}), QStringLiteral("3333"));
    EXPECT_EQ(tableWaiter(QStringLiteral("SALON"), QStringLiteral("5")), QStringLiteral("Ali"));
    EXPECT_EQ(tableWaiter(QStringLiteral("SALON"), QStringLiteral("6")), QString());

    session.masano.clear();
    prompt.show(9993);
    for (QChar ch : QStringLiteral("4444"))
        prompt.press(QString(ch));
    prompt.ok();
    EXPECT_FALSE(prompt.closed());
    EXPECT_EQ(tableWaiter(QStringLiteral("SALON"), QStringLiteral("5")), QStringLiteral("Ali"));
}

TEST_F(AuthPromptTest, TerminalLockCannotBeCancelled)
{
    AuthPrompt prompt(*m_db, session);
    session.cash_ed = QStringLiteral("Ayşe");
    prompt.show(5000);
    EXPECT_FALSE(prompt.cancel());
    EXPECT_FALSE(prompt.closed());
    for (QChar ch : QStringLiteral("3333")) // a waiter cannot unlock it
        prompt.press(QString(ch));
    prompt.ok();
    EXPECT_FALSE(prompt.closed());
    EXPECT_EQ(prompt.entry(), QStringLiteral("0"));
    for (QChar ch : QStringLiteral("2222"))
        prompt.press(QString(ch));
    prompt.ok();
    EXPECT_TRUE(prompt.closed());
    EXPECT_EQ(session.cash_ed, QStringLiteral("Mehmet"));
    EXPECT_EQ(prompt.followUp(), PromptFollowUp::CheckPanelRefresh);
}

TEST_F(AuthPromptTest, FourteenCharactersAreTakenWithoutOk)
{
    const QString card = QStringLiteral("12345678901234");
    m_db->exec(QStringLiteral("UPDATE Q_userkontrol SET pwd = :card WHERE username = :u"),
               {{QStringLiteral("card"), card}, {QStringLiteral("u"), QStringLiteral("Ali")}});
    AuthPrompt prompt(*m_db, session);
    prompt.show(9992);
    for (QChar ch : card)
        prompt.press(QString(ch));
    EXPECT_TRUE(prompt.closed());
    EXPECT_EQ(prompt.result(), card);
    EXPECT_EQ(session.waiter, QStringLiteral("Ali"));

    // A price that is not taken stays, and the 15th character is the last one.
    prompt.show(1201);
    for (QChar ch : QStringLiteral("99999999999999999"))
        prompt.press(QString(ch));
    EXPECT_FALSE(prompt.closed());
    EXPECT_EQ(prompt.entry(), QStringLiteral("999999999999999"));
}

} // namespace
