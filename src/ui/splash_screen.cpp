#include "ui/splash_screen.h"

#include <QApplication>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ostrima {

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splash"));
    setFixedSize(560, 320);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 0, 40, 36);
    layout->addStretch(1);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("splashProgress"));
    m_bar->setRange(0, 100);
    m_bar->setValue(50);
    m_bar->setTextVisible(false);
    m_bar->setStyleSheet(QStringLiteral(
        "QProgressBar { min-height: 10px; max-height: 10px; border-radius: 5px; background: #37474f; }"
        "QProgressBar::chunk { border-radius: 5px; background: #42a5f5; }"));
    layout->addWidget(m_bar);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

int SplashScreen::progress() const
{
    return m_bar->value();
}

void SplashScreen::setProgress(int percent)
{
    m_bar->setValue(std::clamp(percent, 50, 100));
    if (percent >= 100) {
        close();
        return;
    }
    // Start-up work runs on this thread; let the bar move before it goes on.
    if (isVisible()) {
        repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, touch::navigationLight);
    g.setColorAt(1, touch::navigation);
    p.fillRect(rect(), g);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(64);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 70, width(), 90), Qt::AlignCenter, QApplication::applicationName());

    p.setPen(QPen(QColor(0x42, 0xa5, 0xf5), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(width() / 2.0 - 60, 168), QPointF(width() / 2.0 + 60, 168));

    if (QApplication::applicationVersion().isEmpty())
        return;
    QFont version(QStringLiteral("DejaVu Sans"));
    version.setPixelSize(16);
    p.setFont(version);
    p.setPen(QColor(0xcf, 0xd8, 0xdc));
    p.drawText(QRect(0, 184, width(), 30), Qt::AlignCenter,
               QStringLiteral("v") + QApplication::applicationVersion());
}

} // namespace ostrima
