#include "data/schema_upgrade.h"
#include "service/dashboard.h"
#include "service/main_caption.h"
#include "service/messages.h"
#include "service_fixture.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class MainScreenTest : public ServiceTest {};

TEST_F(MainScreenTest, DashboardFigures)
{
    const Dashboard empty = readDashboard(*m_db);
    EXPECT_EQ(empty.occupancy, 0.0);
    EXPECT_TRUE(empty.bestSellers.empty());
    EXPECT_FALSE(empty.failed);

    addTable(s("SALON"), s("1"), 1, {{s("waiter"), s("Ali")}, {s("subtotal"), 100.0}});
    addTable(s("SALON"), s("2"), 2, {{s("waiter"), s("Ali")}, {s("subtotal"), 50.0}});
    addTable(s("SALON"), s("3"), 3);
    addTable(s("BAHÇE"), s("B1"), 1, {{s("waiter"), QVariant()}, {s("subtotal"), 30.0}});
    for (const auto& [product, adet] : {std::pair{"Çay", 3.0}, {"Ayran", 4.0}, {"Kebap", 1.0},
                                        {"Çay", 2.0}, {"Su", 2.0}})
        addLine(s("SALON"), s("1"), s(product), adet);

    const Dashboard d = readDashboard(*m_db);
    EXPECT_EQ(d.openAmount, 180.0);
    EXPECT_EQ(d.averageCheck, 60.0);
    EXPECT_EQ(d.occupancy, 50.0); // two of four tables have an amount and a waiter
    ASSERT_EQ(d.bestSellers.size(), 3u);
    EXPECT_EQ(d.bestSellers[0].name, s("Çay"));
    EXPECT_EQ(d.bestSellers[0].quantity, 5.0);
    EXPECT_EQ(d.bestSellers[1].name, s("Ayran"));
    EXPECT_EQ(d.bestSellers[2].name, s("Su"));
    EXPECT_EQ(d.barCapacity, 11.0);
}

TEST_F(MainScreenTest, CaptionCountsTheOpenTablesOfTheCurrentHall)
{
    addTable(s("SALON"), s("1"), 1, {{s("waiter"), s("Ali")}, {s("subtotal"), 100.0}});
    addTable(s("salon "), s("2"), 2, {{s("waiter"), s("Ali")}, {s("subtotal"), -5.0}});
    addTable(s("SALON"), s("3"), 3);
    addTable(s("BAHÇE"), s("B1"), 1, {{s("waiter"), s("Ali")}, {s("subtotal"), 30.0}});
    m_session.pos_ed = s("SALON");
    m_session.cash_ed = s("Ayşe");
    EXPECT_EQ(mainCaption(*m_db, m_session, m_clock),
              s("ostrima POS  11 Aralık 2026 Cuma  14:05:09  Açık-Masa : 2   Cashier: Ayşe"));
}

TEST_F(MainScreenTest, MessagesAreShownOldestFirstAndDeletedOnce)
{
    EXPECT_FALSE(firstMessage(*m_db));
    for (const char* text : {"Mutfak <kapalı>", "Toplantı 17:00"})
        insertRow(*m_db, s("mesaj"), {{s("kime"), s("Herkes")}, {s("mesaj"), s(text)}});

    const std::optional<StaffMessage> first = firstMessage(*m_db);
    ASSERT_TRUE(first);
    EXPECT_EQ(messageHtml(*first),
              s("<font size=\"24\"></font><font face=\"Tahoma\">   Mesaj:..  Herkes   "
                "Mutfak &lt;kapalı&gt;<b></b></font>"));
    // Two terminals delete the message they showed: the second one deletes nothing more.
    deleteMessage(*m_db, *first);
    deleteMessage(*m_db, *first);
    EXPECT_EQ(firstMessage(*m_db)->mesaj, s("Toplantı 17:00"));
}

TEST_F(MainScreenTest, AnOlderDatabaseGetsTheMessageAndGameTables)
{
    m_db->execScript(s("DROP TABLE \"mesaj\""));
    m_db->execScript(s("DROP TABLE \"Q_oyun\""));
    m_db->exec(s("DELETE FROM Q_SCHEMA_VERSION WHERE version > 1"));

    EXPECT_EQ(upgradeSchema(*m_db), 1);
    EXPECT_EQ(installedSchemaVersion(*m_db), 2);
    EXPECT_FALSE(hasTimedGames(*m_db));
    insertRow(*m_db, s("Q_oyun"), {{s("oyun"), s("Bilardo")}, {s("sure"), 60.0}});
    EXPECT_TRUE(hasTimedGames(*m_db));
    insertRow(*m_db, s("mesaj"), {{s("kime"), s("Ali")}, {s("mesaj"), s("Hoş geldin")}});
    EXPECT_EQ(firstMessage(*m_db)->kime, s("Ali"));
}

} // namespace
