#include "auth/sifresor_frm.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "auth/auth_prompt.h"
#include "data/db_error.h"
#include "ui/keypad_keys.h"
#include "ui/style.h"

using namespace ostrima;

namespace {

} // namespace

sifresor_frm::sifresor_frm(Db& db, Session& session, QWidget* parent)
    : QDialog(parent)
    , m_prompt(std::make_unique<AuthPrompt>(db, session))
{
    setObjectName(QStringLiteral("sifresor_frm"));
    setWindowTitle(QStringLiteral("Kod"));
    setStyleSheet(keypadDialogStyle());

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setProperty("role", QStringLiteral("heading"));
    m_entry = new QLineEdit(QStringLiteral("0"), this);
    m_entry->setObjectName(QStringLiteral("PnlSonuc"));
    m_entry->setProperty("role", QStringLiteral("entry"));
    m_entry->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_entry->setContextMenuPolicy(Qt::NoContextMenu);
    m_entry->setDragEnabled(false);
    m_entry->setAcceptDrops(false);
    m_entry->installEventFilter(this);

    auto* keys = new QGridLayout;
    keys->setSpacing(8);
    const char* const digits[4][3] = {
        {"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"0", "00", "."}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const QString caption = QString::fromLatin1(digits[r][c]);
            QPushButton* b = key(caption, caption, QStringLiteral("digit"));
            connect(b, &QPushButton::clicked, this, [this, caption] {
                run([&] { m_prompt->press(caption); });
            });
            keys->addWidget(b, r, c);
        }
    QPushButton* btnSil = key(QStringLiteral("Sil"), QStringLiteral("btnSil"), QStringLiteral("edit"));
    QPushButton* btnGeriAl = key(QStringLiteral("⌫"), QStringLiteral("btnGeriAl"), QStringLiteral("edit"));
    QPushButton* btnIptal = key(QStringLiteral("Close"), QStringLiteral("btnIptal"), QStringLiteral("close"));
    QPushButton* btnGiris = key(QStringLiteral("OK"), QStringLiteral("btnGiris"), QStringLiteral("ok"));
    btnGeriAl->setToolTip(QStringLiteral("Geri Al"));
    connect(btnSil, &QPushButton::clicked, this, [this] { run([&] { m_prompt->clear(); }); });
    connect(btnGeriAl, &QPushButton::clicked, this, [this] { run([&] { m_prompt->back(); }); });
    connect(btnGiris, &QPushButton::clicked, this, [this] { run([&] { m_prompt->ok(); }); });
    connect(btnIptal, &QPushButton::clicked, this, &sifresor_frm::reject);
    keys->addWidget(btnSil, 0, 3);
    keys->addWidget(btnGeriAl, 1, 3);
    keys->addWidget(btnIptal, 2, 3);
    keys->addWidget(btnGiris, 3, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_caption);
    layout->addWidget(m_entry);
    layout->addSpacing(4);
    layout->addLayout(keys);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

sifresor_frm::~sifresor_frm() = default;

QPushButton* sifresor_frm::key(const QString& caption, const QString& objectName,
                               const QString& role)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    b->setProperty("role", role);
    // The focus stays in the entry box so that a keyboard or card reader can type at any time.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setMinimumSize(84, 72);
    return b;
}

QString sifresor_frm::ask(QWidget* parent, Db& db, Session& session, int mode)
{
    sifresor_frm dialog(db, session, parent);
    dialog.setMode(mode);
    dialog.exec();
    return dialog.promptResult();
}

void sifresor_frm::setMode(int mode)
{
    m_prompt->show(mode);
    const bool lock = mode == 5000;
    Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags.setFlag(Qt::WindowCloseButtonHint, !lock);
    if (flags != windowFlags())
        setWindowFlags(flags);
    refresh();
    m_entry->setFocus();
}

QString sifresor_frm::promptResult() const
{
    return m_prompt->result();
}

template <typename Action>
void sifresor_frm::run(Action action)
{
    try {
        action();
    } catch (const DbError& e) {
        QMessageBox::warning(this, QStringLiteral("D I K K A T"), e.text());
    } catch (const UserError& e) {
        QMessageBox::warning(this, QStringLiteral("D I K K A T"), e.text());
    }
    refresh();
    if (m_prompt->closed()) // only OK closes here; cancelling goes through reject()
        accept();
}

void sifresor_frm::refresh()
{
    m_caption->setText(m_prompt->caption().trimmed());
    setWindowTitle(m_prompt->caption());
    m_entry->setEchoMode(m_prompt->masked() ? QLineEdit::Password : QLineEdit::Normal);
    m_entry->setText(m_prompt->entry());
    m_entry->deselect(); // nothing to select: keys always go through the keypad rule
    if (auto* iptal = findChild<QPushButton*>(QStringLiteral("btnIptal")))
        iptal->setEnabled(promptCancellable(m_prompt->mode()));
    m_entry->setFocus();
}

void sifresor_frm::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing focuses the entry as if tabbed into, which selects it; there is nothing to select.
    if (visible)
        m_entry->deselect();
}

void sifresor_frm::reject()
{
    if (!m_prompt->closed() && !m_prompt->cancel())
        return;
    refresh();
    QDialog::reject();
}

bool sifresor_frm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_entry || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const KeypadKey k = keypadKey(*static_cast<QKeyEvent*>(event));
    switch (k.kind) {
    case KeypadKey::Ok:
        run([&] { m_prompt->ok(); });
        break;
    case KeypadKey::Back:
        run([&] { m_prompt->back(); });
        break;
    case KeypadKey::Clear:
        run([&] { m_prompt->clear(); });
        break;
    case KeypadKey::Press:
        run([&] { m_prompt->press(k.text); });
        break;
    case KeypadKey::Pass:
        return false;
    case KeypadKey::Ignore:
        break;
    }
    return true; // the box holds only what the keypad rule makes of the keys
}
