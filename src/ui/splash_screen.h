#pragma once

#include <QWidget>

class QProgressBar;

namespace ostrima {

// The start-up picture: the product name and a progress bar that begins at 50 per cent and
// closes the splash when it reaches 100.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

    int progress() const;
    // Values below 50 show as 50; at 100 or more the splash closes.
    void setProgress(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QProgressBar* m_bar = nullptr;
};

} // namespace ostrima
