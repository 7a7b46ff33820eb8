#pragma once

#include <optional>
#include <vector>

#include <QDateTime>
#include <QRgb>
#include <QString>

namespace ostrima {

class Db;

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
    std::vector<MapCell> cells; // left to right, row by row; the new-table cell last
    QString problem;       // what to configure when the map cannot be laid out
};

// Builds the map of `hall` for a grid of `columns` columns (the terminal's `kolon`) at `now`.
HallMap buildHallMap(Db& db, const QString& hall, std::optional<int> columns,
                     const QDateTime& now);

// A decimal colour number as the settings store it (red in the low byte).
std::optional<QRgb> colourFromNumber(const QString& number);

} // namespace ostrima
