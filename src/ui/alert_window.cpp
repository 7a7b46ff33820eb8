#include "ui/alert_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/style.h"

namespace ostrima {

namespace {
constexpr Qt::WindowFlags kFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
constexpr int kMargin = 16;
} // namespace

AlertWindow::AlertWindow(QWidget* parent)
    : QWidget(parent, kFlags)
{
    setObjectName(QStringLiteral("alertWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedWidth(440);
    setStyleSheet(QStringLiteral(
        "QLabel#alertText { color: #ffffff; font-size: 18px; }"
        "QPushButton { background: #37474f; color: #ffffff; border: 1px solid #546e7a; padding: 0;"
        "  border-bottom: 3px solid #1c262b; }"
        "QPushButton:pressed { background: #1565c0; }"
        "QPushButton#alertClose { font-size: 22px; }"
        "QPushButton#alertSil { background: #c62828; border-color: #8e1c1c; border-bottom-color: #7a1717; }"
        "QPushButton#alertSil:pressed { background: #8e1c1c; }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(22, 14, 14, 14);
    layout->setSpacing(12);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("alertText"));
    m_text->setTextFormat(Qt::RichText);
    m_text->setWordWrap(true);
    layout->addWidget(m_text, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    m_close = new QPushButton(QStringLiteral("\u2715"), this);
    m_close->setObjectName(QStringLiteral("alertClose"));
    m_close->setFixedSize(touch::targetSize + 8, touch::targetSize);
    m_close->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(m_close);
    m_delete = new QPushButton(QStringLiteral("Sil"), this);
    m_delete->setObjectName(QStringLiteral("alertSil"));
    m_delete->setFixedSize(touch::targetSize + 8, touch::targetSize);
    m_delete->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_hideTimer->stop();
        hide();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        m_hideTimer->stop();
        hide();
        emit deleteRequested();
    });
}

void AlertWindow::showAlert(const QString& html, int hideAfterMs, bool deletable)
{
    // A window without a parent cannot be touched while a modal window is up (the main
    // screen runs modally), so the alert joins the window the person works in.
    if (!parentWidget()) {
        if (QWidget* modal = QApplication::activeModalWidget())
            setParent(modal, kFlags);
    }
    m_text->setText(html);
    m_delete->setVisible(deletable);
    layout()->activate();
    adjustSize();
    placeBottomRight();
    show();
    raise();
    if (hideAfterMs > 0)
        m_hideTimer->start(hideAfterMs);
    else
        m_hideTimer->stop();
}

QString AlertWindow::html() const
{
    return m_text->text();
}

void AlertWindow::placeBottomRight()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.right() - width() - kMargin + 1, area.bottom() - height() - kMargin + 1);
}

void AlertWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(touch::danger, 2));
    p.setBrush(touch::navigation);
    p.drawRoundedRect(r, 10, 10);
    // A red edge on the left marks it as an alert at a glance.
    p.setPen(Qt::NoPen);
    p.setBrush(touch::danger);
    p.drawRoundedRect(QRectF(r.left(), r.top(), 8, r.height()), 4, 4);
}

} // namespace ostrima
