#pragma once

#include <QAbstractScrollArea>

#include "service/hall_map.h"

class QLabel;

namespace ostrima {

// The map grid of a hall (object name "grid"): one rounded tile per table, left to right and
// row by row, scrolling when the hall is larger than the view. A touch on a tile reports the
// cell's text as the map gives it (the caller takes the table code from its first five
// characters); a touch on an empty place of the grid or on the new-table cell reports "".
// When the map cannot be laid out as configured, its problem is shown above the tiles.
class HallMapView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int fallbackCellWidth = 120;
    static constexpr int fallbackCellHeight = 90;

    explicit HallMapView(QWidget* parent = nullptr);

    void setMap(const HallMap& map);
    const HallMap& map() const { return m_map; }
    // The selected table is drawn with a ring; "" selects none. Trailing blanks are ignored.
    void setSelectedCode(const QString& code);

    // Grid places, counted like the cells; the rectangle is in viewport coordinates.
    int columnCount() const;
    int rowCount() const;
    QRect placeRect(int place) const;
    int placeAt(const QPoint& viewportPos) const; // -1 outside every place

    QSize sizeHint() const override;

signals:
    void cellClicked(const QString& cellText);
    void cellDoubleClicked(const QString& cellText);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize cellSize() const;
    QSize contentSize() const;
    QString placeText(int place) const;
    void updateLayout();
    void paintCell(QPainter& p, const MapCell& cell, const QRect& r, bool pressed, bool selected);

    HallMap m_map;
    QString m_selected;
    QLabel* m_problem = nullptr;
    int m_pressed = -1;
    QPoint m_pressScroll;
};

} // namespace ostrima
