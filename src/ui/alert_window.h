#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace ostrima {

// A frameless note at the bottom right of the screen: the wrong-code alert of the login and
// the messages of the main screen. It stays on top of the window it belongs to and can be
// closed, hides itself after a time when asked to, and may offer "Sil" to delete what it shows.
class AlertWindow : public QWidget {
    Q_OBJECT
public:
    explicit AlertWindow(QWidget* parent = nullptr);

    // `hideAfterMs` 0: stays until closed. `deletable`: shows "Sil".
    void showAlert(const QString& html, int hideAfterMs = 0, bool deletable = false);
    QString html() const;

    QPushButton* closeButton() const { return m_close; }
    QPushButton* deleteButton() const { return m_delete; }

signals:
    // "Sil" was pressed; the window has hidden itself.
    void deleteRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeBottomRight();

    QLabel* m_text = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_delete = nullptr;
    QTimer* m_hideTimer = nullptr;
};

} // namespace ostrima
