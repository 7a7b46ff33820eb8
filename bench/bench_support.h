#pragma once

#include <memory>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "data/db.h"

namespace ostrima::bench {

// A fresh database with the current schema on the backend a benchmark asks for: SQLite in a
// temporary file, PostgreSQL on the server named by OSTRIMA_BENCH_PGHOST / _PGPORT (user
// "kor"). Returns null (and the benchmark skips) when that server is not configured.
class BenchDatabase {
public:
    explicit BenchDatabase(Backend backend);
    ~BenchDatabase();
    Db* db() const { return m_db.get(); }
    Db* operator->() const { return m_db.get(); }
    bool ready() const { return m_db != nullptr; }
    // The database, or null after marking the benchmark skipped when the backend is absent.
    Db* readyFor(benchmark::State& state) const;
    QString siteDir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_pgDatabase;
    std::unique_ptr<Db> m_db;
};

// Reports statements per operation; call after the timed loop with the count taken over it.
void reportStatements(benchmark::State& state, qint64 statements);

} // namespace ostrima::bench

// Registers F for both backends: NAME/SQLite and NAME/PostgreSQL.
#define OSTRIMA_BENCH_BOTH(F)                                                                 \
    BENCHMARK_CAPTURE(F, SQLite, ::ostrima::Backend::SQLite)->Unit(benchmark::kMicrosecond);  \
    BENCHMARK_CAPTURE(F, PostgreSQL, ::ostrima::Backend::PostgreSQL)                          \
        ->Unit(benchmark::kMicrosecond)
