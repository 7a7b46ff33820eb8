#include "service/dashboard.h"

#include "data/db.h"

namespace ostrima {

using namespace Qt::StringLiterals;

Dashboard readDashboard(Db& db)
{
    Dashboard d;
    try {
        {
            Query q = db.exec(
                u"SELECT COALESCE(SUM(subtotal), 0), "
                u"AVG(CASE WHEN subtotal <> 0 THEN subtotal END), "
                u"SUM(CASE WHEN subtotal <> 0 AND waiter IS NOT NULL THEN 1 ELSE 0 END), "
                u"COUNT(Masa) FROM Q_master_table"_s);
            if (q.next()) {
                d.openAmount = q.value(0).toDouble();
                d.averageCheck = q.value(1).toDouble();
                const double occupied = q.value(2).toDouble();
                const double tables = q.value(3).toDouble();
                d.occupancy = tables > 0 ? 100.0 * occupied / tables : 0;
            }
        }
        Query best = db.exec(u"SELECT ReceteAdi, SUM(adet) FROM Q_master_detay GROUP BY "
                             u"ReceteAdi ORDER BY SUM(adet) DESC, ReceteAdi LIMIT 3"_s);
        while (best.next()) {
            BestSeller b{best.value(0).toString(), best.value(1).toDouble()};
            d.barCapacity += b.quantity;
            d.bestSellers.push_back(std::move(b));
        }
    } catch (const DbError&) {
        d = Dashboard{};
        d.failed = true;
    }
    return d;
}

bool hasTimedGames(Db& db)
{
    return db.scalar(u"SELECT COUNT(*) FROM Q_oyun"_s).toLongLong() > 0;
}

} // namespace ostrima
