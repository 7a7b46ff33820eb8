#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ostrima {

class TouchKeypad;

// Free text typed with a finger: a text box above an on-screen keyboard with the Turkish
// letters, a space bar, a back key, a shift for small letters, "OK" and "İptal".
class TextInputDialog : public QDialog {
    Q_OBJECT
public:
    TextInputDialog(const QString& caption, const QString& label, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QLineEdit* edit() const { return m_edit; }
    TouchKeypad* keyboard() const { return m_keyboard; }

    // Shows it modally; `ok` false when cancelled.
    static QString getText(const QString& caption, const QString& label, bool* ok,
                           QWidget* parent);

private:
    void press(const QString& caption);
    void setSmallLetters(bool small);

    QLineEdit* m_edit = nullptr;
    TouchKeypad* m_keyboard = nullptr;
    bool m_small = false;
};

} // namespace ostrima
