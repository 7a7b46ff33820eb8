#include "support/test_database.h"

#include <atomic>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/schema_upgrade.h"
#include "data/site_database.h"

namespace ostrima::test {

namespace {

QString pgHost() { return qEnvironmentVariable("OSTRIMA_TEST_PGHOST"); }
int pgPort() { return qEnvironmentVariableIntValue("OSTRIMA_TEST_PGPORT"); }

QString uniqueName(const QString& purpose)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("t_%1_%2_%3")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter)
        .arg(purpose.toLower());
}

} // namespace

Backend testBackend()
{
    const QString b = qEnvironmentVariable("OSTRIMA_TEST_BACKEND", QStringLiteral("sqlite"));
    return b == QLatin1String("postgresql") ? Backend::PostgreSQL : Backend::SQLite;
}

void pgAdmin(const QString& sql)
{
    if (pgHost().isEmpty() || pgPort() == 0)
        throw DbError(QStringLiteral("PostgreSQL tests need OSTRIMA_TEST_PGHOST and "
                                     "OSTRIMA_TEST_PGPORT (scripts/test sets them)"));
    const QString name = QStringLiteral("ostrima_test_admin");
    {
        QSqlDatabase c = QSqlDatabase::contains(name)
                             ? QSqlDatabase::database(name)
                             : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        c.setHostName(pgHost());
        c.setPort(pgPort());
        c.setDatabaseName(QStringLiteral("postgres"));
        c.setUserName(QStringLiteral("kor"));
        if (!c.isOpen() && !c.open())
            throw DbError(c.lastError().text());
        QSqlQuery q(c);
        if (!q.exec(sql))
            throw DbError(q.lastError().text(), sql);
    }
}

TestDatabase::TestDatabase(const QString& purpose)
{
    m_settings.backend = testBackend();
    if (m_settings.backend == Backend::SQLite) {
        m_settings.database = purpose;
        m_settings.sqliteFile = m_dir.filePath(purpose + QStringLiteral(".db"));
    } else {
        m_settings.host = pgHost();
        m_settings.port = pgPort();
        m_settings.user = QStringLiteral("kor");
        m_settings.database = uniqueName(purpose);
        pgAdmin(QStringLiteral("CREATE DATABASE \"%1\"").arg(m_settings.database));
    }
    QFile ini(m_dir.filePath(QStringLiteral("ayar.INI")));
    if (ini.open(QIODevice::WriteOnly))
        ini.write((ayarIniServer() + QStringLiteral("\r\n") + m_settings.database +
                   QStringLiteral("\r\n"))
                      .toUtf8());
}

TestDatabase::~TestDatabase()
{
    if (m_settings.backend == Backend::PostgreSQL) {
        try {
            pgAdmin(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)")
                        .arg(m_settings.database));
        } catch (const DbError&) {
        }
    }
}

QString TestDatabase::ayarIniServer() const
{
    if (m_settings.backend == Backend::SQLite)
        return {};
    return QStringLiteral("%1:%2").arg(m_settings.host).arg(m_settings.port);
}

std::unique_ptr<Db> TestDatabase::open() const { return Db::open(m_settings, &siteSqlNames()); }

void SiteDbTest::SetUp()
{
    m_database = std::make_unique<TestDatabase>();
    m_db = m_database->open();
    upgradeSchema(*m_db);
}

void SiteDbTest::TearDown()
{
    m_db.reset();
    m_database.reset();
}

} // namespace ostrima::test
