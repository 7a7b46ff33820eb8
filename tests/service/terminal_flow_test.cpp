#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/clock.h"
#include "app/login_frm.h"
#include "app/session.h"
#include "auth/sifresor_frm.h"
#include "data/demo_restaurant.h"
#include "service/anamenu_frm.h"
#include "service/hall_map.h"
#include "service/yenimasa_frm.h"
#include "support/gui_support.h"
#include "support/test_database.h"
#include "ui/hall_map_view.h"
#include "ui/style.h"
#include "ui/terminal_screens.h"
#include "ui/widget_interaction.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

void tap(QWidget& screen, const QString& name)
{
    auto* button = screen.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << qPrintable(name);
    button->click();
}

// Types on a keypad whose keys are named after their captions ("key1", ...) or carry them.
void typeOn(QWidget& screen, const QString& keys)
{
    for (QChar ch : keys) {
        QPushButton* key = screen.findChild<QPushButton*>(s("key") + ch);
        if (!key) {
            for (auto* b : screen.findChildren<QPushButton*>()) {
                if (b->text() == QString(ch) && b->isVisible())
                    key = b;
            }
        }
        ASSERT_NE(key, nullptr) << "no key " << QString(ch).toStdString();
        key->click();
    }
}

// A cashier's day on the demo restaurant, through the real screens: log in, open a table in
// the garden (which asks the guests), create a table on the terrace, lock the terminal.
class TerminalFlowTest : public SiteDbTest {
protected:
    void SetUp() override
    {
        SiteDbTest::SetUp();
        applyTouchStyle(*qApp);
        loadDemoRestaurant(*m_db, m_database->siteDir(), s("T1"));
        m_session.lblpcadi = s("T1");
        m_screens = std::make_unique<TerminalScreens>(*m_db, m_session, m_ui, m_clock,
                                                      m_database->siteDir(), s("T1"));
    }
    void TearDown() override
    {
        m_screens.reset();
        SiteDbTest::TearDown();
    }

    // The prompt opened by the next operation gets these entries, each followed by OK.
    void answerPrompt(QStringList entries)
    {
        whenModal([this, entries] {
            sifresor_frm& prompt = m_screens->sifresor();
            for (const QString& entry : entries) {
                tap(prompt, s("btnSil"));
                typeOn(prompt, entry);
                if (prompt.isVisible())
                    tap(prompt, s("btnGiris"));
            }
        });
    }

    const MapCell* cell(const QString& code)
    {
        for (const MapCell& c : m_screens->anamenu().grid()->map().cells) {
            if (c.code.trimmed() == code)
                return &c;
        }
        return nullptr;
    }

    FixedClock m_clock{QDateTime(QDate(2026, 12, 12), QTime(19, 30))};
    Session m_session;
    WidgetInteraction m_ui;
    std::unique_ptr<TerminalScreens> m_screens;
};

TEST_F(TerminalFlowTest, CashierLogsInOpensTablesAndLocks)
{
    login_frm& login = m_screens->login();
    login.show();
    typeOn(login, s("3333")); // a waiter's code does not log in
    tap(login, s("btnGiris"));
    EXPECT_TRUE(login.isVisible());
    typeOn(login, s("1111"));
    tap(login, s("btnGiris"));
    ASSERT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(m_session.cash_ed, s("Ayşe"));

    anamenu_frm& main = m_screens->anamenu();
    main.resize(1280, 800);
    main.show();
    main.FormShow();
    EXPECT_EQ(main.findChild<QLineEdit*>(s("pos_ed"))->text(), s("SALON"));
    EXPECT_EQ(main.findChild<QLineEdit*>(s("cash_ed"))->text(), s("Ayşe"));
    EXPECT_EQ(main.findChild<QListWidget*>(s("lstPos"))->count(), 3);
    ASSERT_NE(cell(s("24")), nullptr);
    EXPECT_TRUE(main.refreshTimer()->isActive());
    screenshot(main, s("main_salon.png"));

    // The garden asks the number of guests with the waiter's code: 4 guests at 25.
    main.lstPosClick(s("BAHÇE"));
    answerPrompt({s("3333"), s("4")});
    main.gridClickCell(cell(s("B3"))->text);
    EXPECT_EQ(m_session.masano.trimmed(), s("B3"));
    EXPECT_EQ(m_session.waiter, s("Ali"));
    EXPECT_EQ(m_db->scalar(s("SELECT kuv_tut FROM Q_master_table WHERE hall_name = 'BAHÇE' AND "
                             "Masa = 'B3'")).toDouble(),
              100.0);
    EXPECT_EQ(m_db->scalar(s("SELECT pax FROM Q_master_table WHERE hall_name = 'BAHÇE' AND Masa = "
                             "'B3'")).toDouble(),
              4.0);

    // A table created by name on the terrace.
    main.lstPosClick(s("TERAS"));
    whenModal([this] {
        yenimasa_frm& screen = m_screens->yenimasa();
        typeOn(screen, s("K7"));
        screenshot(screen, s("yenimasa.png"));
        answerPrompt({s("4444")});
        tap(screen, s("btnYeniMasaAc"));
    });
    main.btnYeniMasaClick();
    ASSERT_NE(cell(s("K7")), nullptr);
    EXPECT_EQ(m_session.masano.trimmed(), s("K7"));
    EXPECT_EQ(m_session.waiter, s("Zeynep"));
    screenshot(main, s("main_teras.png"));

    // The lock takes only a cashier's code and cannot be closed.
    whenModal([this] {
        sifresor_frm& prompt = m_screens->sifresor();
        tap(prompt, s("btnIptal"));
        EXPECT_TRUE(prompt.isVisible());
        typeOn(prompt, s("4444"));
        tap(prompt, s("btnGiris"));
        EXPECT_TRUE(prompt.isVisible());
        typeOn(prompt, s("2222"));
        tap(prompt, s("btnGiris"));
    });
    main.btnKilitClick();
    EXPECT_EQ(m_session.cash_ed, s("Mehmet"));
    EXPECT_EQ(main.findChild<QLineEdit*>(s("cash_ed"))->text(), s("Mehmet"));

    // A refresh tick: dashboard, caption, map.
    main.refreshTick();
    EXPECT_TRUE(main.windowTitle().contains(s("Cashier: Mehmet")));
    auto* panel = main.findChild<QTabWidget*>(s("pcAdisyon"));
    panel->setCurrentWidget(panel->findChild<QWidget*>(s("syonet")));
    screenshot(main, s("main_yonetim.png"));
}

// Another terminal's order shows on this terminal's map at its next refresh.
TEST_F(TerminalFlowTest, SecondTerminalSeesATableTurnOccupied)
{
    Session other;
    other.pos_ed = s("SALON");
    auto otherDb = m_database->open();
    const auto before = buildHallMap(*otherDb, s("SALON"), 6, m_clock.now());
    // What the first order line does to the header.
    m_db->exec(s("UPDATE Q_master_table SET waiter = 'Ali', subtotal = 180, total = 180 WHERE "
                 "hall_name = 'SALON' AND Masa = '5'"));
    const auto after = buildHallMap(*otherDb, s("SALON"), 6, m_clock.now());
    auto occupied = [](const HallMap& map) {
        for (const MapCell& c : map.cells)
            if (c.code == QLatin1String("5"))
                return c.occupied;
        return false;
    };
    EXPECT_FALSE(occupied(before));
    EXPECT_TRUE(occupied(after));
}

} // namespace

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "Custom.ini" copied to "lang.ini" leaves every screen as it was: exporting again gives the
// same file.
TEST_F(TerminalFlowTest, CaptionExportAndImportChangeNothing)
{
    const QDir site(m_database->siteDir());
    m_screens->anamenu().btn20Click();
    const QByteArray first = readAll(site.filePath(s("Custom.ini")));
    ASSERT_FALSE(first.isEmpty());
    for (const char* section : {"[anamenu_frm]", "[sifresor_frm]", "[yenimasa_frm]", "[login_frm]"})
        EXPECT_TRUE(first.contains(section)) << section;

    QFile::copy(site.filePath(s("Custom.ini")), site.filePath(s("lang.ini")));
    m_screens.reset();
    m_screens = std::make_unique<TerminalScreens>(*m_db, m_session, m_ui, m_clock,
                                                  m_database->siteDir(), s("T1"));
    m_screens->anamenu().btn20Click();
    EXPECT_EQ(readAll(site.filePath(s("Custom.ini"))), first);
}

} // namespace

namespace {

// A terminal nobody has set up still opens: the map says what to configure, the functions
// its settings would govern are hidden, and the lock and exit remain.
TEST_F(TerminalFlowTest, TerminalWithoutSettingsRowSaysWhatToConfigure)
{
    m_db->exec(s("DELETE FROM q_admin_c"));
    m_session.cash_ed = s("Ayşe");
    m_session.pos_ed = s("SALON");
    anamenu_frm& main = m_screens->anamenu();
    main.resize(1024, 768); // the smallest terminal screen we support
    main.show();
    main.FormShow();
    EXPECT_LE(main.minimumSizeHint().width(), 1024);
    screenshot(main, s("main_no_terminal_row.png"));
    EXPECT_FALSE(main.grid()->map().problem.isEmpty());
    EXPECT_TRUE(main.grid()->map().problem.contains(s("T1")));
    EXPECT_FALSE(main.findChild<QPushButton*>(s("btnYeniMasa"))->isVisible());
    EXPECT_TRUE(main.findChild<QPushButton*>(s("btnKilit"))->isVisible());
    EXPECT_TRUE(main.findChild<QPushButton*>(s("btn5"))->isVisible());
    ASSERT_NE(cell(s("1")), nullptr); // the tables are still there to work with
}

} // namespace
