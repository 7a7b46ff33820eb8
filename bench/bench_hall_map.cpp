// The main screen's map rebuild and its whole refresh tick (every two seconds on every
// terminal) for a hall of 200 tables with open checks, some with lines waiting to be sent.
#include <QCoreApplication>

#include "app/clock.h"
#include "app/session.h"
#include "bench_support.h"
#include "data/row_writer.h"
#include "service/dashboard.h"
#include "service/hall_map.h"
#include "service/main_caption.h"
#include "service/messages.h"
#include "settings/terminal_settings.h"

using namespace ostrima;
using namespace ostrima::bench;
using namespace Qt::StringLiterals;

namespace {

constexpr int kTables = 200;
const QString kHall = u"SALON"_s;

void fillHall(Db& db, const QString& hall, int tables)
{
    insertRow(db, u"Q_Admin"_s,
              {{u"hall_name"_s, hall}, {u"sure"_s, 20.0}, {u"RNK"_s, u"255"_s},
               {u"masaac"_s, true}, {u"dcolumn"_s, 110.0}, {u"drow"_s, 90.0}});
    const QStringList products = {u"Adana Kebap"_s, u"Ayran"_s, u"Çay"_s};
    for (int t = 1; t <= tables; ++t) {
        const QString masa = QString::number(t);
        insertRow(db, u"Q_master_table"_s,
                  {{u"hall_name"_s, hall}, {u"Masa"_s, masa}, {u"sira"_s, t},
                   {u"masaadi"_s, QString(u"Masa "_s + masa)}, {u"RNK"_s, u"0"_s},
                   {u"waiter"_s, u"Ali"_s}, {u"HESADI"_s, u""_s}, {u"subtotal"_s, 10.0 * t},
                   {u"adisyaz"_s, t % 5 == 0}});
        for (int l = 0; l < products.size(); ++l) {
            insertRow(db, u"Q_master_detay"_s,
                      {{u"hall_name"_s, hall}, {u"masa"_s, masa}, {u"ReceteAdi"_s, products[l]},
                       {u"adet"_s, 1.0 + l}, {u"sip_time"_s, u"13:%1:00"_s.arg(t % 60, 2, 10, QChar(u'0'))}});
        }
        if (t % 3 == 0) {
            for (int q = 0; q < 2; ++q)
                insertRow(db, u"Q_master_delete"_s,
                          {{u"hall_name"_s, hall}, {u"masa"_s, masa}, {u"gndr"_s, u"gonder"_s},
                           {u"iade"_s, 0}, {u"ReceteAdi"_s, u"Ayran"_s}, {u"adet"_s, 1.0}});
        }
    }
}

template <typename Op>
void runOnFilledSite(benchmark::State& state, Backend backend, Op op)
{
    BenchDatabase bdb(backend);
    Db* ready = bdb.readyFor(state);
    if (!ready)
        return;
    Db& db = *ready;
    {
        Transaction tx(db);
        fillHall(db, kHall, kTables);
        fillHall(db, u"BAHÇE"_s, 100);
        tx.commit();
    }
    if (backend == Backend::PostgreSQL)
        db.execScript(u"ANALYZE"_s);
    db.resetStatementCount();
    for (auto _ : state)
        op(db);
    reportStatements(state, db.statementCount());
}

void BM_hallMapRebuild(benchmark::State& state, Backend backend)
{
    const FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9)));
    runOnFilledSite(state, backend, [&](Db& db) {
        const HallMap map = buildHallMap(db, kHall, 6, clock.now());
        benchmark::DoNotOptimize(map.cells.size());
    });
}

// Terminal row, dashboard, caption, message and the map: what each terminal reads per tick.
void BM_refreshTick(benchmark::State& state, Backend backend)
{
    const FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9)));
    Session session;
    session.pos_ed = kHall;
    session.cash_ed = u"Ayşe"_s;
    session.lblpcadi = u"T1"_s;
    runOnFilledSite(state, backend, [&](Db& db) {
        const TerminalSettings terminal = TerminalSettings::read(db, session.lblpcadi);
        benchmark::DoNotOptimize(terminal.found);
        const Dashboard d = readDashboard(db);
        benchmark::DoNotOptimize(d.openAmount);
        const QString caption = mainCaption(db, session, clock);
        benchmark::DoNotOptimize(caption.size());
        benchmark::DoNotOptimize(firstMessage(db).has_value());
        const HallMap map = sayfa(db, session, clock, 6);
        benchmark::DoNotOptimize(map.cells.size());
    });
}

} // namespace

OSTRIMA_BENCH_BOTH(BM_hallMapRebuild);
OSTRIMA_BENCH_BOTH(BM_refreshTick);
