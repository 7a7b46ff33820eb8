#include <memory>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/clock.h"
#include "app/session.h"
#include "data/demo_restaurant.h"
#include "data/row_writer.h"
#include "service/table_service.h"
#include "service/yenimasa_frm.h"
#include "support/scripted_interaction.h"
#include "support/test_database.h"
#include "ui/dashboard_panel.h"
#include "ui/style.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

// OSTRIMA_SCREENSHOT_DIR set: the screens are saved there for a person to look at.
void screenshot(QWidget& widget, const char* file)
{
    const QString dir = qEnvironmentVariable("OSTRIMA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget.grab().save(QDir(dir).filePath(QString::fromLatin1(file)));
}

// The terrace of the demo restaurant creates its tables ad hoc.
class NewTableScreenTest : public SiteDbTest {
protected:
    void SetUp() override
    {
        SiteDbTest::SetUp();
        applyTouchStyle(*qApp);
        loadDemoRestaurant(*m_db, m_database->siteDir(), s("T1"));
        m_session.pos_ed = s("TERAS");
        m_service = std::make_unique<TableService>(*m_db, m_session, m_ui, m_clock);
        m_screen = std::make_unique<yenimasa_frm>(*m_service);
    }

    void tap(const QString& name)
    {
        auto* button = m_screen->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << qPrintable(name);
        button->click();
    }
    void type(const char* keys)
    {
        for (QChar ch : s(keys))
            tap(s("key") + ch);
    }
    QString code() const
    {
        return m_screen->findChild<QLineEdit*>(s("edtMasaKodu"))->text();
    }
    qlonglong terraceTables()
    {
        return m_db->scalar(s("SELECT COUNT(*) FROM Q_master_table WHERE hall_name = :h"),
                            {{s("h"), s("TERAS")}})
            .toLongLong();
    }

    Session m_session;
    ScriptedInteraction m_ui;
    FixedClock m_clock{QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9))};
    std::unique_ptr<TableService> m_service;
    std::unique_ptr<yenimasa_frm> m_screen;
};

TEST_F(NewTableScreenTest, TypedCodeBecomesATableOfTheHall)
{
    m_screen->show();
    EXPECT_EQ(m_screen->windowTitle(), s("Yeni Masa"));
    EXPECT_TRUE(code().isEmpty());
    EXPECT_TRUE(m_screen->findChild<QLineEdit*>(s("edtMasaKodu"))->isReadOnly());
    EXPECT_EQ(m_screen->findChild<QPushButton*>(s("keyX")), nullptr);

    type("T");
    tap(s("btnGeri"));
    EXPECT_EQ(code(), s("0"));
    type("ABCDEF"); // "0" gives way to the first key; the sixth is not taken
    EXPECT_EQ(code(), s("ABCDE"));
    for (int i = 0; i < 5; ++i)
        tap(s("btnGeri"));
    type("T1");
    EXPECT_EQ(code(), s("T1"));
    screenshot(*m_screen, "newtable_screen.png");

    tap(s("btnYeniMasaAc"));
    EXPECT_EQ(m_screen->result(), QDialog::Accepted);
    EXPECT_FALSE(m_screen->isVisible());
    EXPECT_EQ(m_screen->createdCode(), s("T1"));
    EXPECT_TRUE(m_ui.asked.empty());
    EXPECT_EQ(terraceTables(), 1);
}

TEST_F(NewTableScreenTest, TakenCodeIsRefusedAndTheScreenStaysOpen)
{
    ASSERT_TRUE(m_service->createAdHocTable(s("T1")));
    for (const char* masa : {"T1", "B4"})
        insertRow(*m_db, s("Q_adisyon"), {{s("adisyon"), 1.0}, {s("masa"), s(masa)}});

    m_screen->show();
    auto* used = m_screen->findChild<QListWidget*>(s("lstMasalar"));
    ASSERT_NE(used, nullptr);
    ASSERT_EQ(used->count(), 2);
    EXPECT_EQ(used->item(1)->text(), s("T1"));
    emit used->itemClicked(used->item(1)); // a touch on the list
    EXPECT_EQ(code(), s("T1"));
    screenshot(*m_screen, "newtable_screen_list.png");

    m_ui.answers = {100};
    tap(s("btnYeniMasaAc"));
    ASSERT_EQ(m_ui.asked.size(), 1u);
    EXPECT_EQ(m_ui.asked[0].instruction, s("Masa Kodu Zaten Kullanılıyor"));
    EXPECT_TRUE(code().isEmpty());
    EXPECT_TRUE(m_screen->isVisible());
    EXPECT_TRUE(m_screen->createdCode().isEmpty());
    EXPECT_EQ(terraceTables(), 1);

    tap(s("btnKapat"));
    EXPECT_EQ(m_screen->result(), QDialog::Rejected);
}

TEST(DashboardPanelTest, ShowsTheFiguresAndNoOccupancyWhenUnread)
{
    applyTouchStyle(*qApp);
    DashboardPanel panel;
    panel.resize(1100, 250);
    Dashboard d;
    d.openAmount = 12345.6;
    d.averageCheck = 617.28;
    d.occupancy = 42.5;
    d.bestSellers = {{s("Adana Kebap"), 14}, {s("Ayran"), 9}, {s("Künefe"), 2.5}};
    d.barCapacity = 25.5;
    panel.setDashboard(d);

    auto* acik = panel.findChild<DashboardGauge*>(s("gaugeAcik"));
    auto* doluluk = panel.findChild<DashboardGauge*>(s("gaugeDoluluk"));
    ASSERT_NE(acik, nullptr);
    ASSERT_NE(doluluk, nullptr);
    ASSERT_NE(panel.findChild<DashboardGauge*>(s("gaugeOrtalama")), nullptr);
    ASSERT_NE(panel.findChild<BestSellerBar*>(s("barEnCok")), nullptr);
    EXPECT_EQ(acik->valueText(), s("12.345,60"));
    EXPECT_EQ(acik->maximum(), 20000.0);
    EXPECT_EQ(doluluk->valueText(), s("%43"));
    EXPECT_FALSE(panel.grab().isNull());
    screenshot(panel, "newtable_dashboard.png");
    panel.resize(560, 520);
    screenshot(panel, "newtable_dashboard_narrow.png");

    d.failed = true;
    panel.setDashboard(d);
    EXPECT_EQ(doluluk->value(), 0.0);
    EXPECT_EQ(doluluk->valueText(), s("%0"));
    panel.setDashboard(Dashboard{});
    screenshot(panel, "newtable_dashboard_empty.png");
}

} // namespace
