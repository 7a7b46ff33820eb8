#include "ui/hall_map_view.h"

#include <cmath>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QScroller>

#include "ui/style.h"
#include "ui/table_icons.h"

namespace ostrima {

namespace {

constexpr int kGap = 8;
constexpr int kMargin = 8;
constexpr int kMinimumCellWidth = 64;
constexpr qreal kRadius = 10;
constexpr double kDefaultFontSize = 11;
constexpr double kDefaultCodeSize = 18;

QColor readableTextOn(const QColor& fill)
{
    return fill.lightnessF() > 0.6 ? touch::text : QColor(Qt::white);
}

QFont cellFont(double pointSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pointSize > 0 ? pointSize : kDefaultFontSize);
    f.setBold(bold);
    return f;
}

} // namespace

HallMapView::HallMapView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("grid"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A finger drags the map; a mouse uses the scroll bars.
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("gridProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff3cd; color: #5d4100; border: 1px solid #e0b100;"
        " border-radius: 6px; padding: 8px 12px; font-size: 17px; font-weight: bold; }"));
    m_problem->hide();
}

void HallMapView::setMap(const HallMap& map)
{
    m_map = map;
    m_pressed = -1;
    m_problem->setText(m_map.problem);
    m_problem->setVisible(!m_map.problem.isEmpty());
    updateLayout();
    viewport()->update();
}

void HallMapView::setSelectedCode(const QString& code)
{
    const QString trimmed = code.trimmed();
    if (trimmed == m_selected)
        return;
    m_selected = trimmed;
    viewport()->update();
}

QSize HallMapView::cellSize() const
{
    int w = m_map.cellWidth >= 1 ? static_cast<int>(m_map.cellWidth) : fallbackCellWidth;
    const int h = m_map.cellHeight >= 1 ? static_cast<int>(m_map.cellHeight) : fallbackCellHeight;
    // The configured columns narrow the tiles to the view's width rather than hide a column
    // behind a scroll bar; a tile never gets narrower than a finger needs.
    if (m_map.columns > 0) {
        const int room = viewport()->width() - 2 * kMargin - (m_map.columns - 1) * kGap;
        w = std::max(kMinimumCellWidth, std::min(w, room / m_map.columns));
    }
    return {w, h};
}

int HallMapView::columnCount() const
{
    if (m_map.columns > 0)
        return m_map.columns;
    // Without a usable column count the tiles fill the width of the view, so the terminal
    // stays workable while the problem above says what to configure.
    const int fit = (viewport()->width() - 2 * kMargin + kGap) / (cellSize().width() + kGap);
    return std::max(1, fit);
}

int HallMapView::rowCount() const
{
    const int cells = static_cast<int>(m_map.cells.size());
    const int needed = (cells + columnCount() - 1) / columnCount();
    return std::max(m_map.rows, needed);
}

QSize HallMapView::contentSize() const
{
    const QSize c = cellSize();
    const int cols = columnCount();
    const int rows = rowCount();
    return {2 * kMargin + cols * c.width() + std::max(0, cols - 1) * kGap,
            2 * kMargin + rows * c.height() + std::max(0, rows - 1) * kGap};
}

void HallMapView::updateLayout()
{
    int top = 0;
    if (!m_problem->isHidden()) {
        // The vertical scroll bar runs the full height, beside the banner, too.
        const int w = viewport()->width() - 2 * kMargin;
        top = m_problem->heightForWidth(w);
        if (top < 0)
            top = m_problem->sizeHint().height();
        m_problem->setGeometry(kMargin, kMargin, w, top);
        top += kMargin;
    }
    setViewportMargins(0, top, 0, 0);
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(cellSize().width() / 2);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(cellSize().height() / 2);
}

QRect HallMapView::placeRect(int place) const
{
    const int cols = columnCount();
    if (place < 0 || place >= cols * rowCount())
        return {};
    const QSize c = cellSize();
    const int x = kMargin + (place % cols) * (c.width() + kGap) - horizontalScrollBar()->value();
    const int y = kMargin + (place / cols) * (c.height() + kGap) - verticalScrollBar()->value();
    return {QPoint(x, y), c};
}

int HallMapView::placeAt(const QPoint& pos) const
{
    const QSize c = cellSize();
    const int x = pos.x() + horizontalScrollBar()->value() - kMargin;
    const int y = pos.y() + verticalScrollBar()->value() - kMargin;
    if (x < 0 || y < 0)
        return -1;
    const int col = x / (c.width() + kGap);
    const int row = y / (c.height() + kGap);
    if (x % (c.width() + kGap) >= c.width() || y % (c.height() + kGap) >= c.height())
        return -1; // in the gap between tiles
    if (col >= columnCount() || row >= rowCount())
        return -1;
    return row * columnCount() + col;
}

QString HallMapView::placeText(int place) const
{
    return place >= 0 && place < static_cast<int>(m_map.cells.size()) ? m_map.cells[place].text
                                                                       : QString();
}

QSize HallMapView::sizeHint() const
{
    const QSize content = contentSize();
    return {std::min(content.width(), 1000), std::min(content.height(), 700)};
}

void HallMapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateLayout();
}

void HallMapView::scrollContentsBy(int, int)
{
    m_pressed = -1;
    viewport()->update();
}

void HallMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = placeAt(event->position().toPoint());
    m_pressScroll = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
    viewport()->update();
}

void HallMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int place = placeAt(event->position().toPoint());
    const bool scrolled =
        m_pressScroll != QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const bool click = place >= 0 && place == m_pressed && !scrolled;
    m_pressed = -1;
    viewport()->update();
    if (click)
        emit cellClicked(placeText(place));
}

void HallMapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int place = placeAt(event->position().toPoint());
    if (place >= 0)
        emit cellDoubleClicked(placeText(place));
}

void HallMapView::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect dirty = event->rect();
    p.fillRect(dirty, touch::workArea);
    const int count = static_cast<int>(m_map.cells.size());
    for (int i = 0; i < count; ++i) {
        const QRect r = placeRect(i);
        if (r.isNull() || !r.intersects(dirty))
            continue;
        const MapCell& cell = m_map.cells[i];
        const bool selected = !m_selected.isEmpty() && !cell.newTableCell &&
                              cell.code.trimmed().compare(m_selected, Qt::CaseInsensitive) == 0;
        paintCell(p, cell, r, i == m_pressed, selected);
    }
}

void HallMapView::paintCell(QPainter& p, const MapCell& cell, const QRect& r, bool pressed,
                            bool selected)
{
    const QRectF tile = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
    const int iconSize = std::clamp(std::min(r.width(), r.height()) * 30 / 100, 20, 40);

    if (cell.newTableCell) {
        QColor fill(0xe3, 0xf2, 0xfd);
        if (pressed)
            fill = fill.darker(115);
        p.setPen(QPen(touch::accent, 2.5, Qt::DashLine));
        p.setBrush(fill);
        p.drawRoundedRect(tile, kRadius, kRadius);
        const int big = std::clamp(std::min(r.width(), r.height()) * 55 / 100, 24, 72);
        const QRect iconRect(r.center().x() - big / 2 + 1, r.center().y() - big / 2 + 1, big, big);
        p.drawPixmap(iconRect, tableIconPixmap(static_cast<int>(TableIcon::NewTable), big));
        return;
    }

    QColor fill;
    QColor border;
    if (cell.background) {
        fill = QColor::fromRgb(*cell.background);
        border = fill.darker(130);
    } else if (cell.blocked) {
        fill = touch::blocked;
        border = fill.darker(130);
    } else if (cell.occupied) {
        fill = touch::occupied;
        border = fill.darker(130);
    } else {
        fill = touch::panel;
        border = touch::border;
    }
    if (pressed)
        fill = fill.darker(120);
    const QColor ink = readableTextOn(fill);

    // A lower edge gives the tile the depth of a key; it flattens while pressed.
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(border);
        p.drawRoundedRect(tile.translated(0, 2), kRadius, kRadius);
    }
    p.setPen(QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(tile, kRadius, kRadius);
    if (selected) {
        p.setPen(QPen(touch::accent, 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(tile.adjusted(-0.5, -0.5, 0.5, 0.5), kRadius, kRadius);
        p.setPen(QPen(Qt::white, 1.5));
        p.drawRoundedRect(tile.adjusted(2.5, 2.5, -2.5, -2.5), kRadius - 2, kRadius - 2);
    }

    const bool hasIcon = cell.icon != TableIcon::None;
    if (hasIcon) {
        const QRect iconRect(r.right() - iconSize - 5, r.top() + 5, iconSize, iconSize);
        p.drawPixmap(iconRect, tableIconPixmap(static_cast<int>(cell.icon), iconSize));
    }

    const QStringList lines = cell.text.split(u'\r');
    const QString code = lines.value(0).trimmed();
    const QRect inner = r.adjusted(9, 6, -9, -7);

    if (!cell.occupied && lines.size() < 2) {
        // A free table: its code, large and bold, in the middle of the tile.
        QFont f = cellFont(m_map.codeSize > 0 ? m_map.codeSize : kDefaultCodeSize, cell.bold);
        p.setFont(f);
        QFontMetrics fm(f);
        QColor codeInk = ink;
        if (!cell.background && !cell.blocked)
            codeInk = cell.nameless ? QColor(Qt::black) : touch::accent;
        p.setPen(codeInk);
        p.drawText(inner, Qt::AlignCenter, fm.elidedText(code, Qt::ElideRight, inner.width()));
        return;
    }

    // An occupied table: code at the top, waiter or account in the middle, amount below.
    const double base = m_map.fontSize > 0 ? m_map.fontSize : kDefaultFontSize;
    QFont codeFont = cellFont(base * 1.35, true);
    QFont nameFont = cellFont(base, false);
    QFont amountFont = cellFont(base * 1.1, true);
    p.setPen(ink);

    QRect codeRect = inner;
    if (hasIcon)
        codeRect.setRight(r.right() - iconSize - 8);
    p.setFont(codeFont);
    QFontMetrics cfm(codeFont);
    codeRect.setHeight(cfm.height());
    p.drawText(codeRect, Qt::AlignLeft | Qt::AlignVCenter,
               cfm.elidedText(code, Qt::ElideRight, codeRect.width()));

    QFontMetrics afm(amountFont);
    QRect amountRect(inner.left(), inner.bottom() - afm.height() + 1, inner.width(), afm.height());
    p.setFont(amountFont);
    p.drawText(amountRect, Qt::AlignRight | Qt::AlignVCenter,
               afm.elidedText(lines.value(2).trimmed(), Qt::ElideLeft, amountRect.width()));

    QFontMetrics nfm(nameFont);
    QRect nameRect(inner.left(), codeRect.bottom() + 1, inner.width(),
                   amountRect.top() - codeRect.bottom() - 1);
    p.setFont(nameFont);
    p.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
               nfm.elidedText(lines.value(1).trimmed(), Qt::ElideRight, nameRect.width()));
}

} // namespace ostrima
