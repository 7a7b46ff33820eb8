#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ui/alert_window.h"
#include "app/login_frm.h"
#include "app/session.h"
#include "auth/auth_prompt.h"
#include "auth/sifresor_frm.h"
#include "data/demo_restaurant.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class AuthScreensTest : public SiteDbTest {
protected:
    void SetUp() override
    {
        SiteDbTest::SetUp();
        loadDemoRestaurant(*m_db, m_database->siteDir(), QStringLiteral("T1"));
    }

    static void click(QWidget& screen, const QString& name)
    {
        auto* button = screen.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << qPrintable(name);
        button->click();
    }
    static void tap(QWidget& screen, const QString& digits)
    {
        for (QChar ch : digits)
            click(screen, QString(ch));
    }
    static void type(QLineEdit* box, Qt::Key key, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
    }
    // OSTRIMA_SCREENSHOT_DIR set: the screens are saved there for a person to look at.
    static void screenshot(QWidget& screen, const char* file)
    {
        const QString dir = qEnvironmentVariable("OSTRIMA_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            screen.grab().save(QDir(dir).filePath(QString::fromLatin1(file)));
    }

    Session session;
};

TEST_F(AuthScreensTest, LoginTakesOnlyACashierCode)
{
    login_frm screen(*m_db, session, QStringLiteral("T1"));
    screen.open();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Please Enter Your Password"));
    auto* code = screen.findChild<QLineEdit*>(QStringLiteral("sifre_ed"));
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->echoMode(), QLineEdit::Password);

    tap(screen, QStringLiteral("3333")); // a waiter
    screenshot(screen, "login.png");
    click(screen, QStringLiteral("btnGiris"));
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.alert()->isVisible());
    EXPECT_EQ(screen.alert()->html(), QStringLiteral("Kullanıcı Şifresi Hatalı / Wrong Password"));
    screenshot(*screen.alert(), "login_alert.png");
    EXPECT_EQ(code->text(), QStringLiteral("0"));

    tap(screen, QStringLiteral("A"));
    click(screen, QStringLiteral("btnGeriAl"));
    EXPECT_EQ(code->text(), QStringLiteral("0"));
    for (QChar ch : QStringLiteral("1111")) // the keyboard follows the keypad rule too
        type(code, Qt::Key_1, QString(ch));
    EXPECT_EQ(code->text(), QStringLiteral("1111"));
    type(code, Qt::Key_Return);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_FALSE(screen.alert()->isVisible());
    EXPECT_EQ(session.cash_ed, QStringLiteral("Ayşe"));
    EXPECT_EQ(session.pos_ed, QStringLiteral("SALON"));

    screen.open();
    click(screen, QStringLiteral("btnIptal"));
    EXPECT_EQ(screen.result(), QDialog::Rejected);
}

TEST_F(AuthScreensTest, WaiterPromptGoesOnToGuests)
{
    session.pos_ed = QStringLiteral("BAHÇE");
    session.masano = QStringLiteral("B1");
    sifresor_frm screen(*m_db, session);
    screen.setMode(100);
    screen.open();
    auto* entry = screen.findChild<QLineEdit*>(QStringLiteral("PnlSonuc"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->echoMode(), QLineEdit::Password);

    tap(screen, QStringLiteral("3333"));
    screenshot(screen, "sifresor.png");
    click(screen, QStringLiteral("btnGiris"));
    ASSERT_TRUE(screen.isVisible());
    EXPECT_EQ(entry->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(entry->text(), QStringLiteral("0"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("lblCaption"))->text(), QStringLiteral("Kuver"));
    tap(screen, QStringLiteral("4"));
    screenshot(screen, "sifresor_guests.png");
    click(screen, QStringLiteral("btnGiris"));
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.promptResult(), QStringLiteral("4"));
    EXPECT_EQ(session.waiter, QStringLiteral("Ali"));
}

TEST_F(AuthScreensTest, LockedTerminalOpensOnlyForACashier)
{
    sifresor_frm screen(*m_db, session);
    screen.setMode(5000);
    screen.open();
    EXPECT_FALSE(screen.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    auto* entry = screen.findChild<QLineEdit*>(QStringLiteral("PnlSonuc"));
    screenshot(screen, "sifresor_lock.png");
    click(screen, QStringLiteral("btnIptal"));
    type(entry, Qt::Key_Escape);
    screen.close();
    EXPECT_TRUE(screen.isVisible());

    tap(screen, QStringLiteral("2222"));
    type(entry, Qt::Key_Enter);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(session.cash_ed, QStringLiteral("Mehmet"));
}

} // namespace
