#include "ui/table_icons.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/style.h"

namespace ostrima {

namespace {

// Every picture is a white glyph on a coloured disc with a white ring, readable on a light
// free tile and on a strongly coloured occupied one alike. Coordinates are on a 100 grid.
QColor discColour(int index)
{
    switch (index) {
    case 0: return QColor(0x00, 0x79, 0x6b); // teal: someone sits here
    case 1: return QColor(0x2e, 0x7d, 0x32); // green: the check is on paper
    case 2: return QColor(0xe6, 0x51, 0x00); // orange: waiting for the kitchen
    case 3: return QColor(0x78, 0x90, 0x9c);
    case 4: return touch::accent;
    case 5: return touch::danger;
    default: return {};
    }
}

void drawPerson(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 36), 14, 14);
    QPainterPath body;
    body.moveTo(24, 78);
    body.cubicTo(24, 56, 76, 56, 76, 78);
    body.closeSubpath();
    p.drawPath(body);
}

void drawReceipt(QPainter& p)
{
    QPainterPath paper;
    paper.moveTo(30, 20);
    paper.lineTo(70, 20);
    paper.lineTo(70, 80);
    // torn edge at the bottom
    for (int i = 0; i < 4; ++i) {
        const qreal x = 70 - i * 10;
        paper.lineTo(x - 5, 74);
        paper.lineTo(x - 10, 80);
    }
    paper.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(paper);
    p.setPen(QPen(discColour(1), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 34), QPointF(62, 34));
    p.drawLine(QPointF(38, 46), QPointF(62, 46));
    p.drawLine(QPointF(38, 58), QPointF(54, 58));
}

void drawBell(QPainter& p)
{
    QPainterPath bell;
    bell.moveTo(26, 68);
    bell.cubicTo(34, 60, 32, 50, 33, 44);
    bell.cubicTo(34, 26, 66, 26, 67, 44);
    bell.cubicTo(68, 50, 66, 60, 74, 68);
    bell.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(bell);
    p.drawEllipse(QPointF(50, 75), 7, 7);
    p.drawEllipse(QPointF(50, 24), 5, 5);
}

void drawDot(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 50), 14, 14);
}

void drawPlus(QPainter& p)
{
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 26), QPointF(50, 74));
    p.drawLine(QPointF(26, 50), QPointF(74, 50));
}

void drawPadlock(QPainter& p)
{
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(37, 48);
    shackle.lineTo(37, 38);
    shackle.arcTo(QRectF(37, 24, 26, 28), 180, -180);
    shackle.lineTo(63, 48);
    p.drawPath(shackle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(28, 46, 44, 32), 5, 5);
    p.setBrush(discColour(5));
    p.drawEllipse(QPointF(50, 58), 5, 5);
    p.drawRect(QRectF(48, 58, 4, 11));
}

} // namespace

QPixmap tableIconPixmap(int index, int size)
{
    const QColor disc = discColour(index);
    if (!disc.isValid() || size <= 0)
        return {};
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    p.setPen(QPen(Qt::white, 5));
    p.setBrush(disc);
    p.drawEllipse(QPointF(50, 50), 46, 46);
    switch (index) {
    case 0: drawPerson(p); break;
    case 1: drawReceipt(p); break;
    case 2: drawBell(p); break;
    case 3: drawDot(p); break;
    case 4: drawPlus(p); break;
    case 5: drawPadlock(p); break;
    }
    return pm;
}

QIcon tableIcon(int index)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96})
        icon.addPixmap(tableIconPixmap(index, size));
    return icon;
}

} // namespace ostrima
