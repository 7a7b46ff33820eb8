#include "app/login_frm.h"

#include <utility>

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/alert_window.h"
#include "auth/keypad.h"
#include "data/db_error.h"
#include "ui/keypad_keys.h"
#include "ui/style.h"

using namespace ostrima;

namespace {

constexpr int kCodeLimit = 80;
const QString kCaption = QStringLiteral("Please Enter Your Password");

} // namespace

login_frm::login_frm(Db& db, Session& session, QString clientId, QWidget* parent)
    : QDialog(parent)
    , m_db(db)
    , m_session(session)
    , m_clientId(std::move(clientId))
{
    setObjectName(QStringLiteral("login_frm"));
    setWindowTitle(kCaption);
    setStyleSheet(keypadDialogStyle());

    auto* heading = new QLabel(kCaption, this);
    heading->setObjectName(QStringLiteral("lblBaslik"));
    heading->setProperty("role", QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    m_code = new QLineEdit(QStringLiteral("0"), this);
    m_code->setObjectName(QStringLiteral("sifre_ed"));
    m_code->setProperty("role", QStringLiteral("entry"));
    m_code->setEchoMode(QLineEdit::Password);
    m_code->setMaxLength(kCodeLimit);
    m_code->setAlignment(Qt::AlignCenter);
    m_code->setContextMenuPolicy(Qt::NoContextMenu);
    m_code->setAcceptDrops(false);
    m_code->installEventFilter(this);

    auto* keys = new QGridLayout;
    keys->setSpacing(8);
    const char* const layout[4][4] = {
        {"7", "8", "9", "A"}, {"4", "5", "6", "B"}, {"1", "2", "3", "C"}, {".", "0", nullptr, nullptr}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            if (!layout[r][c])
                continue;
            const QString caption = QString::fromLatin1(layout[r][c]);
            const bool letter = caption.at(0).isLetter();
            QPushButton* b = key(caption, caption,
                                 letter ? QStringLiteral("letter") : QStringLiteral("digit"));
            connect(b, &QPushButton::clicked, this, [this, caption] { press(caption); });
            keys->addWidget(b, r, c);
        }
    QPushButton* btnGeriAl = key(QStringLiteral("⌫"), QStringLiteral("btnGeriAl"), QStringLiteral("edit"));
    QPushButton* btnSil = key(QStringLiteral("Sil"), QStringLiteral("btnSil"), QStringLiteral("edit"));
    QPushButton* btnIptal = key(QStringLiteral("Close"), QStringLiteral("btnIptal"), QStringLiteral("close"));
    QPushButton* btnGiris = key(QStringLiteral("OK"), QStringLiteral("btnGiris"), QStringLiteral("ok"));
    btnGeriAl->setToolTip(QStringLiteral("Geri Al"));
    connect(btnGeriAl, &QPushButton::clicked, this, [this] { back(); });
    connect(btnSil, &QPushButton::clicked, this, [this] { clear(); });
    connect(btnGiris, &QPushButton::clicked, this, [this] { giris(); });
    connect(btnIptal, &QPushButton::clicked, this, &login_frm::reject);
    keys->addWidget(btnGeriAl, 3, 2);
    keys->addWidget(btnSil, 3, 3);
    keys->addWidget(btnIptal, 4, 0);
    keys->addWidget(btnGiris, 4, 1, 1, 3);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(20, 16, 20, 20);
    box->setSpacing(12);
    box->addWidget(heading);
    box->addWidget(m_code);
    box->addSpacing(4);
    box->addLayout(keys);
    box->setSizeConstraint(QLayout::SetFixedSize);

    m_alert = new AlertWindow(this);
}

QPushButton* login_frm::key(const QString& caption, const QString& objectName, const QString& role)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    b->setProperty("role", role);
    b->setFocusPolicy(Qt::NoFocus); // the code box keeps the focus for keyboards and readers
    b->setAutoDefault(false);
    b->setMinimumSize(84, 72);
    return b;
}

void login_frm::showEvent(QShowEvent* event)
{
    setWindowTitle(kCaption);
    QDialog::showEvent(event);
    m_code->setFocus();
}

void login_frm::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (visible)
        m_code->deselect(); // focusing on show selects the "0"; keys never edit a selection
}

void login_frm::keyPressEvent(QKeyEvent* event)
{
    // Only "Close" ends the program; a stray Esc must not.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void login_frm::press(const QString& key)
{
    m_code->setText(keypadPress(m_code->text(), key, kCodeLimit));
    m_code->setFocus();
}

void login_frm::back()
{
    m_code->setText(keypadBack(m_code->text()));
    m_code->setFocus();
}

void login_frm::clear()
{
    m_code->setText(QStringLiteral("0"));
    m_code->setFocus();
}

void login_frm::giris()
{
    try {
        m_result = login(m_db, m_session, m_clientId, m_code->text());
    } catch (const DbError& e) {
        QMessageBox::critical(this, QStringLiteral("D I K K A T"), e.text());
        return;
    }
    if (!m_result.matched) {
        m_alert->showAlert(QStringLiteral("Kullanıcı Şifresi Hatalı / Wrong Password"), 5000);
        clear();
        return;
    }
    m_alert->hide();
    m_code->setText(QStringLiteral("0")); // the code does not stay behind in the box
    accept();
}

bool login_frm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_code || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const KeypadKey k = keypadKey(*static_cast<QKeyEvent*>(event));
    switch (k.kind) {
    case KeypadKey::Ok:
        giris();
        break;
    case KeypadKey::Back:
        back();
        break;
    case KeypadKey::Clear:
        clear();
        break;
    case KeypadKey::Press:
        press(k.text);
        break;
    case KeypadKey::Pass:
        return false;
    case KeypadKey::Ignore:
        break;
    }
    return true; // the box holds only what the keypad rule makes of the keys
}
