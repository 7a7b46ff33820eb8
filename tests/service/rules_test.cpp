#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "service/hall_map.h"
#include "service/main_caption.h"
#include "service/monthly_mail.h"
#include "service/table_service.h"

using namespace ostrima;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

TEST(NewTableKeypad, KeysAppendUpToFiveCharacters)
{
    struct Case {
        const char* code;
        const char* key; // "<" is the back key
        const char* after;
    };
    const Case cases[] = {
        {"", "7", "7"},         {"0", "7", "7"},         {"0", "0", "0"},
        {"12", "A", "12A"},     {"1234", "Z", "1234Z"},  {"12345", "6", "12345"},
        {"12", "X", "12"},      {"12", "Ç", "12"},       {"12", "a", "12"},
        {"12", "<", "1"},       {"1", "<", "0"},         {"0", "<", "0"},
        {"", "<", ""},
    };
    for (const Case& c : cases) {
        const QString after = s(c.key) == s("<") ? newTableCodeAfterBack(s(c.code))
                                                 : newTableCodeAfterKey(s(c.code), s(c.key));
        EXPECT_EQ(after, s(c.after)) << c.code << " + " << c.key;
    }
    EXPECT_EQ(newTableKeys().size(), 10 + 25);
}

TEST(MainScreenRules, EnterCounterAndMasterCode)
{
    EnterCounter enter;
    EXPECT_FALSE(enter.press());
    EXPECT_FALSE(enter.press());
    EXPECT_TRUE(enter.press());
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(enter.press());
    EXPECT_TRUE(isMasterCode(s("6021350842")));
    EXPECT_FALSE(isMasterCode(s("6021350842 ")));
}

TEST(MainScreenRules, CellCodesAndColours)
{
    EXPECT_EQ(tableCodeOfCell(s("7     \rAli\r5,00")), s("7    "));
    EXPECT_EQ(tableCodeOfCell(s("12345     ")), s("12345"));
    EXPECT_EQ(tableCodeOfCell(s("BAHCE12     \rAli\r5,00")), s("BAHCE12"));
    EXPECT_EQ(tableCodeOfCell(QString()), QString());

    EXPECT_EQ(colourFromNumber(s("255")), qRgb(255, 0, 0));
    EXPECT_EQ(colourFromNumber(s("16711680")), qRgb(0, 0, 255));
    EXPECT_FALSE(colourFromNumber(s("-16777201"))); // a system colour, not a number of ours
    EXPECT_FALSE(colourFromNumber(s("")));
    EXPECT_FALSE(colourFromNumber(s("mavi")));
}

TEST(MainScreenRules, Caption)
{
    const QDateTime at(QDate(2026, 3, 1), QTime(9, 4, 5));
    EXPECT_EQ(mainCaption(at, 0, s("Ayşe")),
              s("ostrima POS  1 Mart 2026 Pazar  09:04:05  Açık-Masa : 0   Cashier: Ayşe"));
}

TEST(MonthlyMail, DayMessageAndSettings)
{
    EXPECT_TRUE(isMonthlyMailDay(QDate(2026, 3, 1)));
    EXPECT_FALSE(isMonthlyMailDay(QDate(2026, 3, 2)));
    EXPECT_FALSE(isMonthlyMailDay(QDate()));

    const MonthlyMail mail =
        composeMonthlyMail(s("ÇINARLI KONAK"), s(""), s("Afiyet olsun"), s("Çınarlı Konak"));
    EXPECT_EQ(mail.subject, s("ÇINARLI KONAK  Afiyet olsun"));
    EXPECT_EQ(mail.body, s("Çınarlı Konak"));

    QTemporaryDir site;
    EXPECT_FALSE(readMailSettings(site.path()));
    QFile ini(site.filePath(s("mail.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[smtp]\nurl=smtps://mail.example.com:465\nuser=pos\npassword=\"gi,z;li\"\n"
              "from=pos@example.com\nto=owner@example.com, muhasebe@example.com\n");
    ini.close();
    const std::optional<MailSettings> settings = readMailSettings(site.path());
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->url, s("smtps://mail.example.com:465"));
    EXPECT_EQ(settings->password, s("gi,z;li"));
    EXPECT_EQ(settings->to, QStringList({s("owner@example.com"), s("muhasebe@example.com")}));

    const QByteArray text = mailText(*settings, mail, QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
    EXPECT_TRUE(text.contains("To: <owner@example.com>, <muhasebe@example.com>\r\n"));
    EXPECT_TRUE(text.contains(QByteArray("Subject: =?UTF-8?B?" + mail.subject.toUtf8().toBase64() +
                                          "?=\r\n")));
    EXPECT_TRUE(text.endsWith(QByteArray("\r\n\r\n" + mail.body.toUtf8().toBase64() + "\r\n")));
}

} // namespace
