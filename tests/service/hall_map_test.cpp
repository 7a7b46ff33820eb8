#include <optional>

#include "service/hall_map.h"
#include "service_fixture.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class HallMapTest : public ServiceTest {
protected:
    QDateTime at(int h, int m) const { return QDateTime(QDate(2026, 12, 11), QTime(h, m)); }
};

TEST_F(HallMapTest, RowsFollowTheTableCountAndTheColumns)
{
    struct Case {
        int tables;
        bool zeroTable; // one more row with `Masa` "0": counted, never drawn
        std::optional<int> columns;
        bool masaac;
        int rows;
        size_t cells;
    };
    const Case cases[] = {
        {13, false, 6, false, 3, 13},
        {13, false, 6, true, 4, 14},
        {12, false, 6, false, 2, 12},
        {12, true, 6, false, 3, 12},
        {0, false, 6, true, 1, 1},
        {13, false, std::nullopt, false, 8, 13},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString hall = s("H%1").arg(++n);
        addHall(hall, {{s("masaac"), c.masaac}});
        for (int t = 1; t <= c.tables; ++t)
            addTable(hall, QString::number(t), t);
        if (c.zeroTable)
            addTable(hall, s("0"), 0);
        const HallMap map = buildHallMap(*m_db, hall, c.columns, at(14, 0));
        SCOPED_TRACE(n);
        EXPECT_EQ(map.rows, c.rows);
        ASSERT_EQ(map.cells.size(), c.cells);
        EXPECT_EQ(map.cells.back().newTableCell, c.masaac);
        if (c.masaac) {
            EXPECT_EQ(map.cells.back().icon, TableIcon::NewTable);
        }
        EXPECT_EQ(map.problem.isEmpty(), c.columns.has_value());
        EXPECT_EQ(map.cellWidth, 110.0);
    }
}

TEST_F(HallMapTest, CellTextsAndIconsFollowTheStateOfEachTable)
{
    struct Case {
        const char* hall;
        const char* masa;
        const char* waiter;
        const char* hesadi;
        double subtotal;
        bool printed;
        const char* queued; // table code of a queue row, as another terminal spelled it
        const char* text;
        TableIcon icon;
    };
    const Case cases[] = {
        {"SALON", "1", "", "", 0, false, nullptr, "1     ", TableIcon::None},
        {"SALON", "3", "Ali Rıza Yılmaz", "", 1234.5, false, nullptr,
         "3     \rAli Rıza \r1.234,50", TableIcon::Open},
        {"SALON", "4", "Ali", "", 80, true, nullptr, "4     \rAli\r80,00", TableIcon::Printed},
        {"SALON", "5", "Ali", "", 12, true, "5 ", "5     \rAli\r12,00", TableIcon::Unsent},
        {"SALON", "6", "BLOKE", "", 0, false, nullptr, "6     \rBLOKE\r0,00", TableIcon::Blocked},
        {"SALON", "7", "BLOKE", "", 0, false, "7", "7     \rBLOKE\r0,00", TableIcon::Unsent},
        {"SALON", "8", "Ali", "Kemal Sunal Ltd", 5, false, nullptr, "8     \rAli\r5,00",
         TableIcon::Open},
        {"PAKET", "P1", "Ali", "Kemal Sunal Ltd", 5, false, nullptr, "P1     \rKemal Sun\r5,00",
         TableIcon::Open},
        {"PAKET", "P2", "Ali", "Günlük Müsteri", 5, false, nullptr, "P2     \rAli\r5,00",
         TableIcon::Open},
        {"PAKET", "P3", "Ali", "", 5, false, nullptr, "P3     \rAli\r5,00", TableIcon::Open},
    };
    addHall(s("SALON"));
    addHall(s("PAKET"), {{s("view_table"), true}});
    // Inserted last-first: the map is ordered by `sira`, not by insertion.
    for (int i = int(std::size(cases)) - 1; i >= 0; --i) {
        const Case& c = cases[i];
        addTable(s(c.hall), s(c.masa), 2 * i,
                 {{s("waiter"), s(c.waiter)},
                  {s("HESADI"), s(c.hesadi)},
                  {s("subtotal"), c.subtotal},
                  {s("adisyaz"), c.printed}});
        if (c.queued)
            addQueueRow(s(c.hall), s(c.queued));
    }
    addTable(s("SALON"), s("2"), 1, {{s("masaadi"), s("")}});

    const HallMap salon = buildHallMap(*m_db, s("SALON"), 6, at(14, 0));
    const HallMap paket = buildHallMap(*m_db, s("PAKET"), 6, at(14, 0));
    auto find = [&](const Case& c) -> const MapCell* {
        for (const HallMap* map : {&salon, &paket}) {
            for (const MapCell& cell : map->cells) {
                if (map->hall == s(c.hall) && cell.code == s(c.masa))
                    return &cell;
            }
        }
        return nullptr;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.masa);
        const MapCell* cell = find(c);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text, s(c.text));
        EXPECT_EQ(cell->icon, c.icon);
        EXPECT_EQ(cell->bold, !cell->occupied);
    }
    ASSERT_EQ(salon.cells.size(), 8u);
    EXPECT_EQ(salon.cells[0].code, s("1"));
    EXPECT_EQ(salon.cells[1].code, s("2"));
    EXPECT_TRUE(salon.cells[1].nameless);
    EXPECT_FALSE(salon.cells[0].nameless);
}

TEST_F(HallMapTest, ColoursAndTheOrderTimeAlert)
{
    const QRgb red = qRgb(255, 0, 0);   // the hall's `RNK` 255
    const QRgb green = qRgb(0, 255, 0); // 65280
    struct Case {
        double sure;
        const char* tableRnk;
        const char* lastOrder; // nullptr: no lines
        QTime now;
        std::optional<QRgb> background;
        bool late;
    };
    const QTime afternoon(14, 5, 9);
    const Case cases[] = {
        {20, "0", "13:40:00", afternoon, red, true},        // 25 minutes
        {20, "0", "13:55:00", afternoon, std::nullopt, false},
        {0, "0", "13:40:00", afternoon, std::nullopt, false},
        {20, "65280", "13:55:00", afternoon, green, false},
        {20, "65280", "13:40:00", afternoon, red, true},
        {20, "kırmızı", nullptr, afternoon, std::nullopt, false},
        {15, "0", "23:50:00", QTime(0, 10), red, true},    // across midnight
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString hall = s("C%1").arg(++n);
        addHall(hall, {{s("sure"), c.sure}});
        addTable(hall, s("1"), 1,
                 {{s("RNK"), s(c.tableRnk)}, {s("waiter"), c.lastOrder ? s("Ali") : s("")}});
        if (c.lastOrder)
            addLine(hall, s("1"), s("Çay"), 1, s(c.lastOrder));
        const HallMap map =
            buildHallMap(*m_db, hall, 6, QDateTime(QDate(2026, 12, 11), c.now));
        SCOPED_TRACE(n);
        ASSERT_EQ(map.cells.size(), 1u);
        EXPECT_EQ(map.cells[0].background, c.background);
        EXPECT_EQ(map.cells[0].late, c.late);
    }
}

TEST_F(HallMapTest, StatementsDoNotGrowWithTheNumberOfTables)
{
    auto statementsFor = [&](int tables) {
        const QString hall = s("K%1").arg(tables);
        addHall(hall, {{s("sure"), 20.0}, {s("masaac"), true}});
        for (int t = 1; t <= tables; ++t) {
            addTable(hall, QString::number(t), t, {{s("waiter"), s("Ali")}, {s("subtotal"), 9.0}});
            addLine(hall, QString::number(t), s("Çay"), 1);
            if (t % 2 == 0)
                addQueueRow(hall, QString::number(t));
        }
        m_db->resetStatementCount();
        const HallMap map = buildHallMap(*m_db, hall, 6, at(14, 0));
        EXPECT_EQ(map.cells.size(), size_t(tables) + 1);
        return m_db->statementCount();
    };
    EXPECT_EQ(statementsFor(5), statementsFor(50));
}

} // namespace
