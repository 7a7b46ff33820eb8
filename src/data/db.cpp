#include "data/db.h"

#include <atomic>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

#include <libpq-fe.h>

#include "data/sql_names.h"
#include "data/turkish_collation.h"

namespace ostrima {

namespace {

QString errorText(const QSqlError& e)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.text().trimmed();
    if (t.isEmpty())
        t = e.driverText().trimmed();
    return t;
}

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("ostrima_db_%1").arg(++counter);
}

// SQLite keeps dates as ISO text; a fixed shape keeps them comparable as text.
QVariant forBackend(const QVariant& v, Backend backend)
{
    // A text value is text, even a null QString; NULL is written only for an invalid QVariant.
    if (v.typeId() == QMetaType::QString && v.toString().isNull())
        return QVariant(QStringLiteral(""));
    if (backend != Backend::SQLite || v.isNull())
        return v;
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    return v;
}

bool isRead(const QString& sql)
{
    const QString head = sql.trimmed().left(6).toUpper();
    return head.startsWith(QLatin1String("SELECT")) || head.startsWith(QLatin1String("WITH"));
}

QString placeholder(const QString& name)
{
    return name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name;
}

} // namespace

// --- Query ---------------------------------------------------------------------------------

Query::Query(std::shared_ptr<QSqlQuery> query, Backend backend)
    : m_query(std::move(query)), m_backend(backend)
{
}

Query::~Query()
{
    if (m_query)
        m_query->finish();
}

bool Query::next() { return m_query->next(); }

QVariant Query::value(const QString& column) const
{
    const int i = m_query->record().indexOf(column);
    if (i < 0)
        throw DbError(QStringLiteral("Invalid column name '%1'.").arg(column),
                      m_query->lastQuery());
    return m_query->value(i);
}

QVariant Query::value(int index) const { return m_query->value(index); }
QString Query::text(const QString& column) const { return value(column).toString(); }
double Query::number(const QString& column) const { return value(column).toDouble(); }
int Query::whole(const QString& column) const { return value(column).toInt(); }

bool bitValue(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("1") || s == QLatin1String("true") || s == QLatin1String("t");
    }
    return v.toBool();
}

bool Query::flag(const QString& column) const { return bitValue(value(column)); }

QDate Query::date(const QString& column) const { return dateTime(column).date(); }

QDateTime Query::dateTime(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    const QString s = v.toString().trimmed();
    QDateTime dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            dt = d.startOfDay();
    }
    return dt;
}

QSqlRecord Query::record() const { return m_query->record(); }
int Query::rowsAffected() const { return m_query->numRowsAffected(); }

// --- Db ------------------------------------------------------------------------------------

Db::Db(const ConnectionSettings& settings, const SqlNames* names, QString connectionName)
    : m_settings(settings),
      m_names(names),
      m_connectionName(std::move(connectionName)),
      m_dialect(Dialect::create(settings.backend))
{
}

std::unique_ptr<Db> Db::open(const ConnectionSettings& settings, const SqlNames* names)
{
    std::unique_ptr<Db> db(new Db(settings, names, nextConnectionName()));
    db->connect();
    return db;
}

void Db::connect()
{
    {
        QSqlDatabase c = QSqlDatabase::contains(m_connectionName)
                             ? QSqlDatabase::database(m_connectionName, false)
                             : QSqlDatabase::addDatabase(m_settings.backend == Backend::SQLite
                                                             ? QStringLiteral("QSQLITE")
                                                             : QStringLiteral("QPSQL"),
                                                         m_connectionName);
        if (m_settings.backend == Backend::SQLite) {
            c.setDatabaseName(m_settings.sqliteFile);
            c.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
        } else {
            c.setHostName(m_settings.host);
            c.setPort(m_settings.port);
            c.setDatabaseName(m_settings.database);
            c.setUserName(m_settings.user);
            if (!m_settings.password.isEmpty())
                c.setPassword(m_settings.password);
            c.setConnectOptions(QStringLiteral("connect_timeout=10"));
        }
        if (!c.isValid())
            throw DbError(QStringLiteral("Database driver is not available: ") +
                          errorText(c.lastError()));
        if (!c.open())
            throw DbError(errorText(c.lastError()));
    }
    if (m_settings.backend == Backend::SQLite) {
        const QVariant h = handle().driver()->handle();
        if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0 ||
            !registerSqliteKeyCollation(*static_cast<sqlite3* const*>(h.constData())))
            throw DbError(QStringLiteral("Cannot register the text key collation."));
        // Several terminals on one machine may share the file: readers never wait for a
        // writer, and a committed order is on disk before the operation returns.
        execScript(QStringLiteral("PRAGMA journal_mode=WAL"));
        execScript(QStringLiteral("PRAGMA synchronous=FULL"));
    } else {
        execScript(QStringLiteral("SET client_min_messages TO warning"));
    }
}

bool Db::connectionLost() const
{
    if (m_settings.backend != Backend::PostgreSQL)
        return false;
    const QVariant h = handle().driver()->handle();
    // The driver names the pointer by libpq's struct tag.
    if (!h.isValid() || (qstrcmp(h.typeName(), "PGconn*") != 0 &&
                         qstrcmp(h.typeName(), "pg_conn*") != 0))
        return false;
    PGconn* conn = *static_cast<PGconn* const*>(h.constData());
    return conn == nullptr || PQstatus(conn) == CONNECTION_BAD;
}

bool Db::reconnect()
{
    m_prepared.clear();
    handle().close();
    try {
        connect();
        return true;
    } catch (const DbError&) {
        return false;
    }
}

Db::~Db()
{
    m_prepared.clear();
    {
        QSqlDatabase c = QSqlDatabase::database(m_connectionName, false);
        if (c.isOpen()) {
            if (m_depth > 0)
                c.exec(QStringLiteral("ROLLBACK"));
            c.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase Db::handle() const { return QSqlDatabase::database(m_connectionName, false); }

QString Db::translate(const QString& sql) const
{
    if (!m_names)
        return sql;
    auto it = m_translated.constFind(sql);
    if (it != m_translated.constEnd())
        return *it;
    const QString t = m_names->translate(sql, backend() == Backend::PostgreSQL);
    m_translated.insert(sql, t);
    return t;
}

// The cached prepared statement, or null with `error` set when it cannot be prepared.
std::shared_ptr<QSqlQuery> Db::prepared(const QString& translated, QString& error)
{
    auto it = m_prepared.find(translated);
    if (it != m_prepared.end() && it->use_count() == 1) {
        (*it)->finish();
        return *it;
    }
    auto q = std::make_shared<QSqlQuery>(handle());
    q->setForwardOnly(true);
    if (!q->prepare(translated)) {
        error = errorText(q->lastError());
        return nullptr;
    }
    if (it == m_prepared.end())
        m_prepared.insert(translated, q);
    return q;
}

std::shared_ptr<QSqlQuery> Db::run(const QString& translated, const Params& params,
                                   QString& error)
{
    auto q = prepared(translated, error);
    if (!q)
        return nullptr;
    for (const auto& [name, value] : params)
        q->bindValue(placeholder(name), forBackend(value, backend()));
    ++m_statements;
    if (q->exec())
        return q;
    error = errorText(q->lastError());
    q->finish();
    return nullptr;
}

Query Db::exec(const QString& sql, const Params& params)
{
    const QString translated = translate(sql);
    QString error;
    if (auto q = run(translated, params, error))
        return Query(std::move(q), backend());
    if (m_depth > 0) {
        m_rollbackOnly = true;
        throw DbError(error, translated);
    }
    // A server restart or a dropped network link breaks the connection: the terminal
    // connects again. Only a read is repeated; a write may have reached the server before
    // the link broke, and is reported instead.
    if (connectionLost() && reconnect() && isRead(translated)) {
        if (auto q = run(translated, params, error))
            return Query(std::move(q), backend());
    }
    throw DbError(error, translated);
}

QVariant Db::scalar(const QString& sql, const Params& params)
{
    Query q = exec(sql, params);
    if (!q.next())
        return {};
    return q.value(0);
}

qint64 Db::insert(const QString& sql, const Params& params, const QString& keyColumn)
{
    Query q = exec(sql + QStringLiteral(" RETURNING ") + keyColumn, params);
    if (!q.next())
        throw DbError(QStringLiteral("The database returned no key for the new row."), sql);
    return q.value(0).toLongLong();
}

void Db::execScript(const QString& sql)
{
    QSqlQuery q(handle());
    ++m_statements;
    if (!q.exec(sql)) {
        if (m_depth > 0)
            m_rollbackOnly = true;
        throw DbError(errorText(q.lastError()), sql);
    }
}

void Db::finishAll()
{
    for (auto& q : m_prepared)
        q->finish();
}

void Db::control(const QString& statement)
{
    finishAll();
    QSqlQuery q(handle());
    if (!q.exec(statement))
        throw DbError(errorText(q.lastError()), statement);
}

// --- Transaction ---------------------------------------------------------------------------

Transaction::Transaction(Db& db) : m_db(db)
{
    if (m_db.m_depth == 0) {
        try {
            m_db.control(m_db.dialect().beginTransaction());
        } catch (const DbError&) {
            // Nothing of the operation has run yet: a broken connection is made again.
            if (!m_db.connectionLost() || !m_db.reconnect())
                throw;
            m_db.control(m_db.dialect().beginTransaction());
        }
        m_db.m_rollbackOnly = false;
    }
    ++m_db.m_depth;
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    --m_db.m_depth;
    if (m_db.m_depth > 0) {
        m_db.m_rollbackOnly = true;
        return;
    }
    try {
        m_db.control(QStringLiteral("ROLLBACK"));
    } catch (const DbError&) {
        // The connection is gone; the server has dropped the transaction with it.
    }
}

void Transaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    --m_db.m_depth;
    if (m_db.m_depth > 0)
        return;
    if (m_db.m_rollbackOnly) {
        m_db.control(QStringLiteral("ROLLBACK"));
        throw DbError(QStringLiteral("The operation failed and was rolled back."));
    }
    m_db.control(QStringLiteral("COMMIT"));
}

} // namespace ostrima
