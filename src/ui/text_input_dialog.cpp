#include "ui/text_input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/style.h"
#include "ui/touch_keypad.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

const QString kSpace = QStringLiteral("Boşluk");
const QString kBack = QStringLiteral("\u232b");
const QString kShift = QStringLiteral("\u21e7");

const QList<QStringList>& keyboardRows()
{
    static const QList<QStringList> rows = {
        {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s,
         u"0"_s, u"-"_s, kBack},
        {u"Q"_s, u"W"_s, u"E"_s, u"R"_s, u"T"_s, u"Y"_s, u"U"_s, u"I"_s, u"O"_s,
         u"P"_s, u"Ğ"_s, u"Ü"_s},
        {u"A"_s, u"S"_s, u"D"_s, u"F"_s, u"G"_s, u"H"_s, u"J"_s, u"K"_s, u"L"_s,
         u"Ş"_s, u"İ"_s, u","_s},
        {kShift, u"Z"_s, u"X"_s, u"C"_s, u"V"_s, u"B"_s, u"N"_s, u"M"_s, u"Ö"_s,
         u"Ç"_s, u"."_s, u"/"_s},
    };
    return rows;
}

// Turkish small letters: I has no dot, İ keeps it.
QString smallLetter(const QString& capital)
{
    if (capital == u"I")
        return QStringLiteral("ı");
    if (capital == u"İ")
        return QStringLiteral("i");
    return capital.toLower();
}

bool isLetter(const QString& caption)
{
    return caption.size() == 1 && caption[0].isLetter();
}

} // namespace

TextInputDialog::TextInputDialog(const QString& caption, const QString& label, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("textInput"));
    setWindowTitle(caption);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    auto* prompt = new QLabel(label, this);
    prompt->setObjectName(QStringLiteral("textInputLabel"));
    prompt->setWordWrap(true);
    prompt->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
    prompt->setVisible(!label.isEmpty());
    layout->addWidget(prompt);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("textInputEdit"));
    m_edit->setMinimumHeight(56);
    m_edit->setStyleSheet(QStringLiteral("font-size: 24px;"));
    layout->addWidget(m_edit);

    m_keyboard = new TouchKeypad(keyboardRows(), this);
    m_keyboard->setMinimumSize(12 * (touch::keySize + 6), 4 * (touch::keySize + 6));
    connect(m_keyboard, &TouchKeypad::keyPressed, this, &TextInputDialog::press);
    m_keyboard->key(kShift)->setCheckable(true);
    m_keyboard->key(kShift)->setObjectName(QStringLiteral("keyShift"));
    m_keyboard->key(kBack)->setObjectName(QStringLiteral("keyBack"));
    layout->addWidget(m_keyboard, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    auto* space = new QPushButton(kSpace, this);
    space->setObjectName(QStringLiteral("keySpace"));
    space->setFocusPolicy(Qt::NoFocus);
    space->setAutoDefault(false);
    setButtonRole(space, ButtonRole::Key);
    connect(space, &QPushButton::clicked, this, [this] { m_edit->insert(QStringLiteral(" ")); });
    bottom->addWidget(space, 3);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("btnIptal"));
    cancel->setAutoDefault(false);
    cancel->setMinimumHeight(touch::keySize);
    cancel->setStyleSheet(QStringLiteral("font-size: 20px;"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(cancel, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    ok->setMinimumHeight(touch::keySize);
    ok->setStyleSheet(QStringLiteral("font-size: 20px;"));
    setButtonRole(ok, ButtonRole::Primary);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(ok, 1);
    layout->addLayout(bottom);
    m_edit->setFocus();
}

QString TextInputDialog::text() const
{
    return m_edit->text();
}

void TextInputDialog::setText(const QString& text)
{
    m_edit->setText(text);
}

void TextInputDialog::press(const QString& caption)
{
    if (caption == kBack) {
        m_edit->backspace();
    } else if (caption == kShift) {
        setSmallLetters(!m_small);
    } else {
        m_edit->insert(m_small && isLetter(caption) ? smallLetter(caption) : caption);
    }
    m_edit->setFocus();
}

void TextInputDialog::setSmallLetters(bool small)
{
    m_small = small;
    m_keyboard->key(kShift)->setChecked(small);
    for (const QStringList& row : keyboardRows()) {
        for (const QString& caption : row) {
            if (isLetter(caption))
                m_keyboard->key(caption)->setText(small ? smallLetter(caption) : caption);
        }
    }
}

QString TextInputDialog::getText(const QString& caption, const QString& label, bool* ok,
                                 QWidget* parent)
{
    TextInputDialog dialog(caption, label, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (ok)
        *ok = accepted;
    return accepted ? dialog.text() : QString();
}

} // namespace ostrima
