// The building blocks every operation uses: counters, the audit row and a cash movement
// with its customer counterpart, each as one operation (one transaction).
#include <QCoreApplication>

#include "app/clock.h"
#include "app/session.h"
#include "bench_support.h"
#include "cashdesk/cash_movement.h"
#include "data/audit.h"
#include "data/counters.h"

using namespace ostrima;
using namespace ostrima::bench;

namespace {

template <typename Op>
void runOperation(benchmark::State& state, Backend backend, Op op)
{
    BenchDatabase bdb(backend);
    Db* ready = bdb.readyFor(state);
    if (!ready)
        return;
    Db& db = *ready;
    db.resetStatementCount();
    for (auto _ : state) {
        Transaction tx(db);
        op(db);
        tx.commit();
    }
    reportStatements(state, db.statementCount());
}

void BM_nextSilmeNo(benchmark::State& state, Backend backend)
{
    runOperation(state, backend, [](Db& db) { benchmark::DoNotOptimize(counters::nextSilmeNo(db)); });
}

void BM_reserveCheckNumber(benchmark::State& state, Backend backend)
{
    runOperation(state, backend,
                 [](Db& db) { benchmark::DoNotOptimize(counters::reserveCheckNumber(db)); });
}

void BM_gunluk(benchmark::State& state, Backend backend)
{
    Session session;
    session.pos_ed = QStringLiteral("SALON");
    session.masano = QStringLiteral("7");
    session.cash_ed = QStringLiteral("Ayşe");
    runOperation(state, backend, [&](Db& db) {
        gunluk(db, session, Clock::system(),
               AuditEntry{QStringLiteral("Ekle"), QStringLiteral("Adana Kebap"), 1, {}});
    });
}

void BM_cashWithCustomer(benchmark::State& state, Backend backend)
{
    runOperation(state, backend, [](Db& db) {
        postCashWithCustomer(
            db,
            {{QStringLiteral("HESADI"), QStringLiteral("Ayşe")},
             {QStringLiteral("Alacak"), 100.0},
             {QStringLiteral("Borc"), 0.0}},
            {{QStringLiteral("HESADI"), QStringLiteral("Müşteri")}, {QStringLiteral("Alacak"), 100.0}});
    });
}

} // namespace

OSTRIMA_BENCH_BOTH(BM_nextSilmeNo);
OSTRIMA_BENCH_BOTH(BM_reserveCheckNumber);
OSTRIMA_BENCH_BOTH(BM_gunluk);
OSTRIMA_BENCH_BOTH(BM_cashWithCustomer);
