#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QListWidget;

namespace ostrima {
class TableService;
class TouchKeypad;
} // namespace ostrima

// The new-table screen ("Yeni Masa"): a table code typed on a keypad of digits and letters,
// or taken from the codes used before, becomes an ad-hoc table of the current hall. Accepted
// once the table exists; a refused code (the service has said why) empties the box and the
// screen stays open for another code.
class yenimasa_frm : public QDialog {
    Q_OBJECT
public:
    explicit yenimasa_frm(ostrima::TableService& service, QWidget* parent = nullptr);

    // The code of the table created; valid once the screen was accepted.
    QString createdCode() const { return m_created; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(const QString& key);
    void back();
    void openTable();
    void loadUsedCodes();
    void showError(const QString& text);

    ostrima::TableService& m_service;
    QLineEdit* m_code = nullptr;
    ostrima::TouchKeypad* m_keypad = nullptr;
    QListWidget* m_used = nullptr;
    QString m_created;
};
