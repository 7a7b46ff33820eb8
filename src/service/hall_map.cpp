#include "service/hall_map.h"

#include <cmath>
#include <map>

#include <QLocale>
#include <QTime>

#include "app/clock.h"
#include "app/session.h"
#include "data/db.h"
#include "data/turkish_collation.h"
#include "settings/terminal_settings.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

// Table codes found by the database's own key rule, so "7" and "7 " meet as they do there.
struct KeyLess {
    bool operator()(const QString& a, const QString& b) const { return compareTextKeys(a, b) < 0; }
};
template <typename T>
using TableKeyMap = std::map<QString, T, KeyLess>;

const QString kBlocked = u"BLOKE"_s;
const QString kWalkIn = u"Günlük Müsteri"_s;
const QString kCodePadding = u"     "_s; // five blanks after the code
constexpr int kNameWidth = 9;
constexpr int kRowsWithoutColumns = 8;

QString amountText(double value)
{
    double cents = std::round(value * 100.0) / 100.0;
    if (cents == 0)
        cents = 0; // no "-0,00"
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toString(cents, 'f', 2);
}

QString columnsProblem()
{
    return u"Bu terminalin masa haritası kolon sayısı tanımlı değil. Client Setup ekranında "
           u"\"Kolon\" alanına tam sayı giriniz (örneğin 6)."_s;
}

TableKeyMap<int> unsentLinesByTable(Db& db, const QString& hall)
{
    TableKeyMap<int> unsent;
    Query q = db.exec(u"SELECT masa, COUNT(*) FROM Q_master_delete WHERE hall_name = :posbak "
                      u"GROUP BY masa"_s,
                      {{u"posbak"_s, hall}});
    while (q.next())
        unsent[q.value(0).toString()] += q.value(1).toInt();
    return unsent;
}

TableKeyMap<QString> lastOrderTimes(Db& db, const QString& hall)
{
    TableKeyMap<QString> times;
    Query q = db.exec(u"SELECT masa, sonsip FROM Q_table_time WHERE hall_name = :posbak"_s,
                      {{u"posbak"_s, hall}});
    while (q.next()) {
        QString& t = times[q.value(0).toString()];
        t = std::max(t, q.value(1).toString().trimmed());
    }
    return times;
}

// Whole minutes from a time of day ("hh:nn:ss") to `now`; an order before midnight still
// counts on the next morning.
std::optional<qint64> minutesSince(const QString& timeOfDay, const QTime& now)
{
    QTime at = QTime::fromString(timeOfDay, u"HH:mm:ss"_s);
    if (!at.isValid())
        at = QTime::fromString(timeOfDay, u"H:mm:ss"_s);
    if (!at.isValid())
        at = QTime::fromString(timeOfDay, u"HH:mm"_s);
    if (!at.isValid())
        return std::nullopt;
    qint64 secs = at.secsTo(now);
    if (secs < 0)
        secs += 24 * 60 * 60;
    return secs / 60;
}

} // namespace

std::optional<QRgb> colourFromNumber(const QString& number)
{
    bool ok = false;
    const qlonglong n = number.trimmed().toLongLong(&ok);
    if (!ok || n < 0 || n > 0xFFFFFF)
        return std::nullopt;
    return qRgb(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

QString tableCodeOfCell(const QString& cellText)
{
    const QString firstLine = cellText.section(u'\r', 0, 0);
    return firstLine.left(std::max<qsizetype>(5, firstLine.size() - kCodePadding.size()));
}

HallMap buildHallMap(Db& db, const QString& hall, std::optional<int> columns,
                     const QDateTime& now)
{
    HallMap map;
    map.hall = hall;
    map.columns = columns.value_or(0);
    if (!columns)
        map.problem = columnsProblem();
    if (hall.trimmed().isEmpty()) {
        map.rows = columns ? 0 : kRowsWithoutColumns;
        return map;
    }

    const HallSettings settings = HallSettings::read(db, hall);
    map.cellWidth = settings.dcolumn;
    map.cellHeight = settings.drow;
    map.fontSize = settings.harffontsize;
    map.codeSize = settings.harfsize;

    // Every table of the hall: the counted ones give the rows; table "0" is never drawn.
    // Columns are read by position: a hall has hundreds of them per rebuild.
    enum { Masa, Masaadi, Rnk, Waiter, Hesadi, Subtotal, Adisyaz };
    Query tables = db.exec(
        u"SELECT Masa, masaadi, RNK, waiter, HESADI, subtotal, adisyaz FROM Q_master_table "
        u"WHERE hall_name = :posbak ORDER BY COALESCE(sira, 0), Q_ID"_s,
        {{u"posbak"_s, hall}});
    int counted = 0;
    while (tables.next()) {
        const QVariant masa = tables.value(Masa);
        if (masa.isNull())
            continue;
        ++counted;
        const QString code = masa.toString();
        if (compareTextKeys(code, u"0"_s) == 0)
            continue;
        MapCell cell;
        cell.code = code;
        cell.masaadi = tables.value(Masaadi).toString();
        cell.waiter = tables.value(Waiter).toString();
        cell.subtotal = tables.value(Subtotal).toDouble();
        cell.occupied = !cell.waiter.isEmpty();
        cell.blocked = cell.waiter == kBlocked;

        const QString rnk = tables.value(Rnk).toString().trimmed();
        if (rnk != u"0"_s)
            cell.background = colourFromNumber(rnk);

        cell.text = code + kCodePadding;
        if (cell.occupied) {
            const QString hesadi = tables.value(Hesadi).toString().trimmed();
            const bool byAccount =
                settings.view_table && !hesadi.isEmpty() && hesadi != kWalkIn;
            cell.text += u'\r' + (byAccount ? hesadi : cell.waiter).left(kNameWidth) + u'\r' +
                         amountText(cell.subtotal);
            cell.icon = bitValue(tables.value(Adisyaz)) ? TableIcon::Printed : TableIcon::Open;
        } else {
            cell.bold = true;
            cell.nameless = cell.masaadi.isEmpty();
        }
        if (cell.blocked)
            cell.icon = TableIcon::Blocked;
        map.cells.push_back(std::move(cell));
    }

    if (!map.cells.empty()) {
        const TableKeyMap<int> unsent = unsentLinesByTable(db, hall);
        for (MapCell& cell : map.cells) {
            if (unsent.count(cell.code) != 0)
                cell.icon = TableIcon::Unsent;
        }
        if (settings.sure > 0) {
            // The alert is an aid: when the times cannot be read the map is drawn without it.
            try {
                const TableKeyMap<QString> times = lastOrderTimes(db, hall);
                const std::optional<QRgb> hallColour = colourFromNumber(settings.RNK);
                for (MapCell& cell : map.cells) {
                    const auto it = times.find(cell.code);
                    if (it == times.end() || it->second.isEmpty())
                        continue;
                    const std::optional<qint64> minutes = minutesSince(it->second, now.time());
                    if (minutes && double(*minutes) > settings.sure) {
                        cell.late = true;
                        if (hallColour)
                            cell.background = hallColour;
                    }
                }
            } catch (const DbError&) {
            }
        }
    }

    map.rows = columns ? (counted + *columns - 1) / *columns : kRowsWithoutColumns;
    if (settings.masaac) {
        ++map.rows;
        MapCell newTable;
        newTable.newTableCell = true;
        newTable.icon = TableIcon::NewTable;
        map.cells.push_back(std::move(newTable));
    }
    return map;
}

HallMap sayfa(Db& db, Session& session, const Clock& clock, std::optional<int> columns)
{
    session.tarih = clock.today();
    return buildHallMap(db, session.pos_ed, columns, clock.now());
}

} // namespace ostrima
