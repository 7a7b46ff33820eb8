#include "service/yenimasa_frm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScroller>
#include <QStyle>
#include <QVBoxLayout>

#include "data/db_error.h"
#include "service/table_service.h"
#include "ui/style.h"
#include "ui/task_dialog.h"
#include "ui/touch_keypad.h"
#include "ui/widget_interaction.h"

using namespace ostrima;
using namespace Qt::StringLiterals;

namespace {

const QString kBack = QStringLiteral("⌫");
constexpr int kLettersPerRow = 7;
constexpr int kKeyEdge = 64;
constexpr int kGapColumn = 3; // between the digits and the letters

const char* const kStyle = R"css(
QLabel#lblMasaKodu, QLabel#lblMasalar { font-size: 17px; font-weight: bold; color: #607d8b; }
QLineEdit#edtMasaKodu {
    font-size: 40px; font-weight: bold; color: #1f2a30;
    min-height: 76px; background: #ffffff; border: 2px solid #1565c0; border-radius: 10px; }
QPushButton[role="key"] { font-size: 26px; min-height: 64px; min-width: 64px; }
QPushButton[letter="true"] { background: #e8f0fb; color: #0d47a1; border-color: #b6cdea;
    border-bottom-color: #90b0d8; }
QPushButton[letter="true"]:pressed { background: #bbd3f0; }
QPushButton#btnGeri { background: #eceff1; color: #37474f; font-size: 30px; }
QPushButton#btnGeri:pressed { background: #cfd8dc; }
QListWidget#lstMasalar { font-size: 22px; font-weight: bold; }
QListWidget#lstMasalar::item { min-height: 56px; padding: 0 16px; }
QPushButton#btnYeniMasaAc, QPushButton#btnKapat {
    font-size: 20px; min-height: 64px; min-width: 200px; }
)css";

// Digits as on a telephone, letters in rows of seven beside them, the back key filling the
// last letter row. Which keys exist is the rule's: the layout only places them.
QList<QStringList> keypadRows(QStringList* letters)
{
    QStringList digits;
    for (const QString& key : newTableKeys()) {
        if (key.at(0).isDigit())
            digits << key;
        else
            *letters << key;
    }
    QList<QStringList> rows{{u"7"_s, u"8"_s, u"9"_s}, {u"4"_s, u"5"_s, u"6"_s},
                            {u"1"_s, u"2"_s, u"3"_s}, {u"0"_s, QString(), QString()}};
    for (QStringList& row : rows) {
        for (QString& key : row) {
            if (!digits.contains(key))
                key.clear();
        }
        row << QString(); // the gap column
    }
    // The letter rows, with room for the back key after the last letter.
    const int letterRows = static_cast<int>(letters->size()) / kLettersPerRow + 1;
    while (rows.size() < letterRows)
        rows << QStringList{QString(), QString(), QString(), QString()};
    for (int i = 0; i < letters->size(); ++i)
        rows[i / kLettersPerRow] << letters->at(i);
    rows[letters->size() / kLettersPerRow] << kBack;
    return rows;
}

// Lets a key of the keypad's grid take `columns` places of its row from `column` on.
void spanKey(QGridLayout* grid, QWidget* key, int row, int column, int columns)
{
    grid->removeWidget(key);
    grid->addWidget(key, row, column, 1, columns);
}

} // namespace

yenimasa_frm::yenimasa_frm(TableService& service, QWidget* parent)
    : QDialog(parent)
    , m_service(service)
{
    setObjectName(QStringLiteral("yenimasa_frm"));
    setWindowTitle(QStringLiteral("Yeni Masa"));
    setModal(true);
    setStyleSheet(QString::fromUtf8(kStyle));

    auto* codeLabel = new QLabel(QStringLiteral("Masa Kodu"), this);
    codeLabel->setObjectName(QStringLiteral("lblMasaKodu"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("edtMasaKodu"));
    m_code->setReadOnly(true);
    m_code->setAlignment(Qt::AlignCenter);
    // The keys and the keyboard go through the dialog; the box only shows the code.
    m_code->setFocusPolicy(Qt::NoFocus);
    m_code->setContextMenuPolicy(Qt::NoContextMenu);

    QStringList letters;
    m_keypad = new TouchKeypad(keypadRows(&letters), this);
    m_keypad->setObjectName(QStringLiteral("keypad"));
    auto* grid = static_cast<QGridLayout*>(m_keypad->layout());
    grid->setSpacing(8);
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnStretch(c, c == kGapColumn ? 0 : 1);
    grid->setColumnMinimumWidth(kGapColumn, 10);
    for (const QString& letter : letters) {
        QPushButton* key = m_keypad->key(letter);
        key->setProperty("letter", true);
        key->style()->unpolish(key);
        key->style()->polish(key);
    }
    if (QPushButton* zero = m_keypad->key(QStringLiteral("0")))
        spanKey(grid, zero, 3, 0, kGapColumn);
    QPushButton* geri = m_keypad->key(kBack);
    geri->setObjectName(QStringLiteral("btnGeri"));
    geri->setToolTip(QStringLiteral("Geri"));
    const int backIndex = static_cast<int>(letters.size());
    spanKey(grid, geri, backIndex / kLettersPerRow, kGapColumn + 1 + backIndex % kLettersPerRow,
            kLettersPerRow - backIndex % kLettersPerRow);
    for (QPushButton* key : m_keypad->findChildren<QPushButton*>())
        key->setMinimumSize(kKeyEdge, kKeyEdge);
    connect(m_keypad, &TouchKeypad::keyPressed, this, [this](const QString& key) {
        if (key == kBack)
            back();
        else
            press(key);
    });

    auto* usedLabel = new QLabel(QStringLiteral("Kullanılan Masalar"), this);
    usedLabel->setObjectName(QStringLiteral("lblMasalar"));
    m_used = new QListWidget(this);
    m_used->setObjectName(QStringLiteral("lstMasalar"));
    m_used->setFocusPolicy(Qt::NoFocus); // a touch chooses; no keyboard cursor to show
    m_used->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_used->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_used->setFixedWidth(200);
    m_used->setSelectionMode(QAbstractItemView::NoSelection); // the code box shows the choice
    QScroller::grabGesture(m_used->viewport(), QScroller::TouchGesture);
    connect(m_used, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_code->setText(item->text()); });

    auto* kapat = new QPushButton(QStringLiteral("Kapat"), this);
    kapat->setObjectName(QStringLiteral("btnKapat"));
    kapat->setAutoDefault(false);
    kapat->setFocusPolicy(Qt::NoFocus);
    connect(kapat, &QPushButton::clicked, this, &QDialog::reject);
    auto* ac = new QPushButton(QStringLiteral("Yeni Masa Aç"), this);
    ac->setObjectName(QStringLiteral("btnYeniMasaAc"));
    ac->setDefault(true);
    ac->setFocusPolicy(Qt::NoFocus);
    setButtonRole(ac, ButtonRole::Primary);
    connect(ac, &QPushButton::clicked, this, &yenimasa_frm::openTable);

    auto* entry = new QVBoxLayout;
    entry->setSpacing(8);
    entry->addWidget(codeLabel);
    entry->addWidget(m_code);
    entry->addSpacing(6);
    entry->addWidget(m_keypad, 1);
    auto* used = new QVBoxLayout;
    used->setSpacing(8);
    used->addWidget(usedLabel);
    used->addWidget(m_used, 1);
    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addLayout(entry, 1);
    top->addLayout(used);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kapat);
    buttons->addStretch(1);
    buttons->addWidget(ac);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 18);
    layout->setSpacing(16);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void yenimasa_frm::showEvent(QShowEvent* event)
{
    m_code->clear();
    m_created.clear();
    loadUsedCodes();
    QDialog::showEvent(event);
}

void yenimasa_frm::keyPressEvent(QKeyEvent* event)
{
    // A keyboard types like the keypad; Enter and Escape keep their dialog meaning.
    if (event->key() == Qt::Key_Backspace) {
        back();
        return;
    }
    const QString text = event->text().toUpper();
    if (text.size() == 1 && text.at(0).isLetterOrNumber()) {
        press(text);
        return;
    }
    QDialog::keyPressEvent(event);
}

void yenimasa_frm::press(const QString& key)
{
    m_code->setText(newTableCodeAfterKey(m_code->text(), key));
}

void yenimasa_frm::back()
{
    m_code->setText(newTableCodeAfterBack(m_code->text()));
}

void yenimasa_frm::openTable()
{
    const QString code = m_code->text();
    bool created = false;
    try {
        created = m_service.createAdHocTable(code);
    } catch (const DbError& e) {
        showError(e.text());
    } catch (const UserError& e) {
        showError(e.text());
    }
    if (!created) {
        m_code->clear();
        return;
    }
    m_created = code;
    accept();
}

void yenimasa_frm::loadUsedCodes()
{
    m_used->clear();
    try {
        m_used->addItems(m_service.usedTableCodes());
    } catch (const DbError& e) {
        // The list is a convenience: a code can still be typed. Told once the screen is up.
        QMetaObject::invokeMethod(this, [this, text = e.text()] { showError(text); },
                                  Qt::QueuedConnection);
    }
}

void yenimasa_frm::showError(const QString& text)
{
    TaskDialog dialog;
    dialog.instruction = text;
    dialog.buttons = {QStringLiteral("Tamam")};
    TaskDialogBox::ask(dialog, autoAnswerMs(), this);
}
