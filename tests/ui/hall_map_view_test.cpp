#include "ui/hall_map_view.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace ostrima {
namespace {

// 13 tables in 6 columns, some occupied, one blocked, one late, and the new-table cell.
HallMap fixtureHall()
{
    HallMap map;
    map.hall = QStringLiteral("SALON");
    map.columns = 6;
    map.rows = 4;
    map.cellWidth = 110;
    map.cellHeight = 90;
    map.fontSize = 12;
    map.codeSize = 20;
    for (int i = 1; i <= 13; ++i) {
        MapCell c;
        c.code = QString::number(i);
        c.text = c.code + QStringLiteral("     ");
        if (i == 2 || i == 5 || i == 9 || i == 11 || i == 12) {
            c.occupied = true;
            c.waiter = i == 11 ? QStringLiteral("BLOKE") : QStringLiteral("Zeynep");
            c.blocked = i == 11;
            c.text += QStringLiteral("\r") + c.waiter + QStringLiteral("\r1.234,50");
            c.icon = i == 5 ? TableIcon::Printed
                   : i == 9 ? TableIcon::Unsent
                   : i == 11 ? TableIcon::Blocked : TableIcon::Open;
            if (i == 12)
                c.background = qRgb(0x6a, 0x1b, 0x9a);
        } else {
            c.bold = true;
            c.nameless = i != 7;
        }
        map.cells.push_back(c);
    }
    MapCell newTable;
    newTable.newTableCell = true;
    newTable.icon = TableIcon::NewTable;
    map.cells.push_back(newTable);
    return map;
}

// A touch on a tile reports the cell's text as the map gives it; empty places and the
// new-table cell report ""; the gap between tiles reports nothing.
TEST(HallMapView, ReportsTheTouchedCell)
{
    HallMapView view;
    view.resize(760, 460);
    view.setMap(fixtureHall());
    view.setSelectedCode(QStringLiteral("9    "));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    test::saveScreenshot(&view, QStringLiteral("hall_map"));
    EXPECT_EQ(view.rowCount(), 4);

    QSignalSpy clicked(&view, &HallMapView::cellClicked);
    QSignalSpy doubled(&view, &HallMapView::cellDoubleClicked);
    struct Case {
        int place;
        const char* text;
    };
    const Case cases[] = {
        {0, "1     "}, {8, "9     \rZeynep\r1.234,50"}, {13, ""}, {20, ""},
    };
    for (const Case& c : cases) {
        clicked.clear();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.placeRect(c.place).center());
        ASSERT_EQ(clicked.size(), 1) << "place " << c.place;
        EXPECT_EQ(clicked.at(0).at(0).toString(), QString::fromUtf8(c.text));
    }
    clicked.clear();
    const QRect first = view.placeRect(0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(first.right() + 4, first.center().y()));
    EXPECT_EQ(clicked.size(), 0);

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.placeRect(4).center());
    ASSERT_EQ(doubled.size(), 1);
    EXPECT_EQ(doubled.at(0).at(0).toString(), QStringLiteral("5     \rZeynep\r1.234,50"));
}

// A hall larger than the view scrolls, and touches still find the tile under the finger.
TEST(HallMapView, ScrolledMapStillFindsTheTile)
{
    HallMapView view;
    view.resize(300, 220);
    view.setMap(fixtureHall());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    view.verticalScrollBar()->setValue(98); // the second row at the top
    ASSERT_GT(view.horizontalScrollBar()->value(), 0);
    ASSERT_EQ(view.verticalScrollBar()->value(), 98);
    QSignalSpy clicked(&view, &HallMapView::cellClicked);
    const QRect tile12 = view.placeRect(11); // last column of the second row
    ASSERT_TRUE(view.viewport()->rect().contains(tile12.center()));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, tile12.center());
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_TRUE(clicked.at(0).at(0).toString().startsWith(QStringLiteral("12   ")));
}

// Without a usable column count the tiles fill the view and the problem is shown.
TEST(HallMapView, ShowsWhatToConfigure)
{
    HallMap map = fixtureHall();
    map.columns = 0;
    map.rows = 8;
    map.problem = QStringLiteral("Terminal ayarlarında kolon sayısı girilmemiş.");
    HallMapView view;
    view.resize(760, 460);
    view.setMap(map);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    test::saveScreenshot(&view, QStringLiteral("hall_map_problem"));
    EXPECT_EQ(view.columnCount(), 6); // (760 - 16 + 8) / (110 + 8), less the scroll bar
    auto* problem = view.findChild<QWidget*>(QStringLiteral("gridProblem"));
    ASSERT_NE(problem, nullptr);
    EXPECT_TRUE(problem->isVisible());
}

} // namespace
} // namespace ostrima
