#include "ui/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace ostrima {

namespace {

// Pressed and checked states are always darker than the resting state: a finger hides the
// button, so the change must be visible around it.
const char* const kStyleSheet = R"css(
QMainWindow, QDialog { background: #eef1f4; }

QPushButton, QToolButton {
    min-height: 48px; min-width: 48px; padding: 4px 14px;
    background: #ffffff; border: 1px solid #b0bec5; border-bottom: 3px solid #90a4ae;
    border-radius: 8px; font-weight: bold;
}
QPushButton:pressed, QToolButton:pressed { background: #cfd8dc; border-bottom: 1px solid #90a4ae; padding-top: 6px; }
QPushButton:checked, QToolButton:checked { background: #bbdefb; border-color: #1565c0; }
QPushButton:focus, QToolButton:focus { border-color: #1565c0; }
QPushButton:disabled, QToolButton:disabled { color: #9eadb5; background: #eceff1; border-color: #cfd8dc; }

QPushButton[role="primary"] { background: #1565c0; color: #ffffff; border-color: #0d47a1; border-bottom-color: #0d3c8a; }
QPushButton[role="primary"]:pressed { background: #0d47a1; }
QPushButton[role="danger"] { background: #c62828; color: #ffffff; border-color: #8e1c1c; border-bottom-color: #7a1717; }
QPushButton[role="danger"]:pressed { background: #8e1c1c; }
QPushButton[role="key"] { min-height: 64px; min-width: 64px; font-size: 24px; padding: 0; }
QPushButton[role="navigation"] { background: #37474f; color: #eceff1; border: none; border-bottom: 3px solid #263238; }
QPushButton[role="navigation"]:pressed, QPushButton[role="navigation"]:checked { background: #1565c0; color: #ffffff; }

QLineEdit, QPlainTextEdit, QTextEdit, QSpinBox, QDoubleSpinBox, QComboBox, QDateEdit {
    min-height: 48px; font-size: 20px; padding: 2px 10px;
    background: #ffffff; border: 2px solid #b0bec5; border-radius: 8px;
    selection-background-color: #1565c0; selection-color: #ffffff;
}
QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QComboBox:focus { border-color: #1565c0; }
QLineEdit:read-only { background: #f5f7f8; }
QComboBox QAbstractItemView { font-size: 18px; }
QComboBox QAbstractItemView::item { min-height: 48px; }

QListView, QTreeView, QTableView {
    background: #ffffff; border: 1px solid #b0bec5; border-radius: 6px; font-size: 18px;
    alternate-background-color: #f5f7f8; selection-background-color: #1565c0; selection-color: #ffffff;
}
QListView::item { min-height: 48px; padding: 2px 12px; border-bottom: 1px solid #eceff1; }
QTableView::item { padding: 2px 6px; }
QHeaderView::section { background: #37474f; color: #eceff1; padding: 6px; border: none; font-weight: bold; min-height: 32px; }

QTabWidget::pane { border: none; background: #eef1f4; }
QTabBar::tab {
    min-height: 48px; min-width: 110px; padding: 0 18px; margin-right: 2px;
    background: #37474f; color: #cfd8dc; font-weight: bold;
    border-top-left-radius: 8px; border-top-right-radius: 8px;
}
QTabBar::tab:selected { background: #eef1f4; color: #1f2a30; }
QTabBar::tab:pressed { background: #1565c0; color: #ffffff; }
QTabWidget#navBar > QTabBar { background: #263238; }

QScrollBar:vertical { width: 28px; background: #eceff1; margin: 0; }
QScrollBar:horizontal { height: 28px; background: #eceff1; margin: 0; }
QScrollBar::handle { background: #90a4ae; border-radius: 6px; margin: 3px; }
QScrollBar::handle:vertical { min-height: 48px; }
QScrollBar::handle:horizontal { min-width: 48px; }
QScrollBar::handle:pressed { background: #1565c0; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }

QCheckBox, QRadioButton { min-height: 48px; spacing: 12px; font-size: 18px; }
QCheckBox::indicator, QRadioButton::indicator { width: 32px; height: 32px; }

QProgressBar { min-height: 14px; border: none; border-radius: 7px; background: #cfd8dc; text-align: center; }
QProgressBar::chunk { background: #1565c0; border-radius: 7px; }

QToolTip { background: #263238; color: #ffffff; border: none; padding: 6px; font-size: 16px; }
QMenu { font-size: 18px; background: #ffffff; border: 1px solid #b0bec5; }
QMenu::item { min-height: 44px; padding: 0 24px; }
QMenu::item:selected { background: #1565c0; color: #ffffff; }
)css";

} // namespace

void applyTouchStyle(QApplication& app)
{
    // Fusion draws the same on every platform, so the style sheet has one base to refine.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    QApplication::setFont(font);

    QPalette p = QApplication::style()->standardPalette();
    p.setColor(QPalette::Window, touch::workArea);
    p.setColor(QPalette::WindowText, touch::text);
    p.setColor(QPalette::Base, touch::panel);
    p.setColor(QPalette::AlternateBase, QColor(0xf5, 0xf7, 0xf8));
    p.setColor(QPalette::Text, touch::text);
    p.setColor(QPalette::Button, touch::panel);
    p.setColor(QPalette::ButtonText, touch::text);
    p.setColor(QPalette::Highlight, touch::accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(p);

    // A finger moves a little while tapping; that must not start a drag.
    QApplication::setStartDragDistance(24);
    app.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

void setButtonRole(QAbstractButton* button, ButtonRole role)
{
    static const char* const names[] = {"", "primary", "danger", "key", "navigation"};
    button->setProperty("role", QString::fromLatin1(names[static_cast<int>(role)]));
    button->style()->unpolish(button);
    button->style()->polish(button);
}

QString keypadDialogStyle()
{
    return QStringLiteral(R"(
QDialog { background: #eef1f5; }
QWidget { font-family: "DejaVu Sans"; }
QLabel[role="heading"] { font-size: 23px; font-weight: bold; color: #243447; padding: 2px 4px; }
QLineEdit[role="entry"] {
  font-size: 34px; color: #102a43; background: #ffffff; border: 2px solid #829ab1;
  border-radius: 10px; padding: 6px 14px; min-height: 64px; }
QPushButton {
  font-size: 26px; color: #102a43; background: #ffffff; border: 1px solid #bcccdc;
  border-bottom: 3px solid #9fb3c8; border-radius: 12px; min-width: 84px; min-height: 72px; }
QPushButton:pressed { background: #d9e2ec; border-bottom-width: 1px; }
QPushButton[role="letter"] { background: #e7f0fb; color: #1c4f8a; }
QPushButton[role="edit"] { background: #f0f4f8; font-size: 22px; }
QPushButton#btnGeriAl { font-size: 32px; }
QPushButton[role="ok"] { background: #2b8a3e; color: #ffffff; border: none; font-weight: bold; }
QPushButton[role="ok"]:pressed { background: #237032; }
QPushButton[role="close"] { background: #c92a2a; color: #ffffff; border: none; font-size: 22px; }
QPushButton[role="close"]:pressed { background: #a51d1d; }
QPushButton[role="close"]:disabled { background: #d9b8b8; color: #f5eaea; }
)");
}

} // namespace ostrima
