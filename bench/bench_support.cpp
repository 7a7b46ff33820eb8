#include "bench_support.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/schema_upgrade.h"
#include "data/site_database.h"

namespace ostrima::bench {

namespace {

bool pgAdmin(const QString& sql)
{
    const QString name = QStringLiteral("ostrima_bench_admin");
    QSqlDatabase c = QSqlDatabase::contains(name)
                         ? QSqlDatabase::database(name)
                         : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    c.setHostName(qEnvironmentVariable("OSTRIMA_BENCH_PGHOST"));
    c.setPort(qEnvironmentVariableIntValue("OSTRIMA_BENCH_PGPORT"));
    c.setDatabaseName(QStringLiteral("postgres"));
    c.setUserName(QStringLiteral("kor"));
    if (!c.isOpen() && !c.open())
        return false;
    QSqlQuery q(c);
    return q.exec(sql);
}

} // namespace

BenchDatabase::BenchDatabase(Backend backend)
{
    ConnectionSettings s;
    s.backend = backend;
    if (backend == Backend::SQLite) {
        s.sqliteFile = m_dir.filePath(QStringLiteral("bench.db"));
    } else {
        if (qEnvironmentVariable("OSTRIMA_BENCH_PGHOST").isEmpty())
            return;
        m_pgDatabase = QStringLiteral("bench_%1").arg(QCoreApplication::applicationPid());
        pgAdmin(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(m_pgDatabase));
        if (!pgAdmin(QStringLiteral("CREATE DATABASE \"%1\"").arg(m_pgDatabase)))
            return;
        s.host = qEnvironmentVariable("OSTRIMA_BENCH_PGHOST");
        s.port = qEnvironmentVariableIntValue("OSTRIMA_BENCH_PGPORT");
        s.user = QStringLiteral("kor");
        s.database = m_pgDatabase;
    }
    m_db = Db::open(s, &siteSqlNames());
    upgradeSchema(*m_db);
}

BenchDatabase::~BenchDatabase()
{
    m_db.reset();
    if (!m_pgDatabase.isEmpty())
        pgAdmin(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(m_pgDatabase));
}

Db* BenchDatabase::readyFor(benchmark::State& state) const
{
    if (!m_db)
        state.SkipWithError("PostgreSQL not configured (OSTRIMA_BENCH_PGHOST/_PGPORT)");
    return m_db.get();
}

void reportStatements(benchmark::State& state, qint64 statements)
{
    state.counters["statements/op"] =
        benchmark::Counter(static_cast<double>(statements) / static_cast<double>(state.iterations()));
}

} // namespace ostrima::bench
