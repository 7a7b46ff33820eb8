#include "app/alert_frm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

AlertWindow::AlertWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AlertWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#AlertWindow { background: #c92a2a; border: 2px solid #8a1c1c; border-radius: 10px; }"
        "QLabel { color: #ffffff; font-family: 'DejaVu Sans'; font-size: 20px; "
        "font-weight: bold; }"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblAlert"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(m_text);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void AlertWindow::showMessage(const QString& text, int hideAfterMs)
{
    m_text->setText(text);
    adjustSize();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 16, area.bottom() - height() - 16);
    }
    show();
    raise();
    m_timer->start(hideAfterMs);
}

QString AlertWindow::message() const
{
    return m_text->text();
}
