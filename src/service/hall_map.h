#pragma once

#include <optional>
#include <vector>

#include <QDateTime>
#include <QRgb>
#include <QString>

namespace ostrima {

class Clock;
class Db;
struct Session;

// Pictures of a map cell (drawn by the screen); a later rule replaces an earlier one.
enum class TableIcon {
    None = -1,
    Open = 0,     // occupied, check not printed
    Printed = 1,  // check printed
    Unsent = 2,   // lines waiting to be sent to production
    NewTable = 4, // the cell that creates an ad-hoc table
    Blocked = 5,  // waiter "BLOKE"
};

struct MapCell {
    QString code;            // table code as stored (`Masa`)
    QString text;            // cell text, lines separated by "\r"
    bool occupied = false;
    bool blocked = false;
    bool newTableCell = false;
    bool bold = false;       // free table: code in bold at the hall's `harfsize`
    bool nameless = false;   // free table without `masaadi`: first five characters black
    std::optional<QRgb> background; // `RNK` of the table, or the hall's colour when late
    bool late = false;       // last order older than the hall's `sure` minutes
    TableIcon icon = TableIcon::None;
    QString masaadi;
    QString waiter;
    double subtotal = 0;
};

// One rebuild of a hall's map, read with a fixed number of statements whatever the number
// of tables.
struct HallMap {
    QString hall;
    int columns = 0;       // 0 when the terminal's column count is not a whole number
    int rows = 0;
    double cellWidth = 0;  // `dcolumn`
    double cellHeight = 0; // `drow`
    double fontSize = 0;   // `harffontsize`
    double codeSize = 0;   // `harfsize`
    // Left to right, row by row; the new-table cell last. Listed also when `columns` is 0,
    // so a screen can still lay them out with a column count of its own.
    std::vector<MapCell> cells;
    QString problem;       // what to configure when the map cannot be laid out
};

// Builds the map of `hall` for a grid of `columns` columns (the terminal's `kolon`, empty when
// it is not a whole number) at `now`. Reads the hall row, its tables, the unsent lines per
// table and, when the hall has an order-time alert, the last order times: four statements
// at most, however many tables the hall has.
HallMap buildHallMap(Db& db, const QString& hall, std::optional<int> columns,
                     const QDateTime& now);

// The map rebuild of the main screen: the business date becomes today, then the current
// hall's map is built.
HallMap sayfa(Db& db, Session& session, const Clock& clock, std::optional<int> columns);

// The table code a click on a cell selects: the first five characters of the cell's text,
// so a shorter code keeps trailing blanks (every key comparison ignores them). A longer code
// is taken whole, so that it does not turn into another table's code.
QString tableCodeOfCell(const QString& cellText);

// A decimal colour number as the settings store it (red in the low byte).
std::optional<QRgb> colourFromNumber(const QString& number);

} // namespace ostrima
