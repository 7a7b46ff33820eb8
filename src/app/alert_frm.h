#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

// A notice in the bottom-right corner of the screen that hides itself after a while. It
// never takes the focus, so typing goes on where it was.
class AlertWindow : public QWidget {
    Q_OBJECT
public:
    explicit AlertWindow(QWidget* parent = nullptr);

    void showMessage(const QString& text, int hideAfterMs = 5000);
    QString message() const;

private:
    QLabel* m_text = nullptr;
    QTimer* m_timer = nullptr;
};
