#include "data/db.h"

#include <atomic>

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

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

bool Query::flag(const QString& column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("1") || s == QLatin1String("true") || s == QLatin1String("t");
    }
    return v.toBool();
}

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
    const QString name = nextConnectionName();
    std::unique_ptr<Db> db(new Db(settings, names, name));
    {
        QSqlDatabase c;
        if (settings.backend == Backend::SQLite) {
            c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            c.setDatabaseName(settings.sqliteFile);
            c.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
        } else {
            c = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            c.setHostName(settings.host);
            c.setPort(settings.port);
            c.setDatabaseName(settings.database);
            c.setUserName(settings.user);
            if (!settings.password.isEmpty())
                c.setPassword(settings.password);
            c.setConnectOptions(QStringLiteral("connect_timeout=10"));
        }
        if (!c.isValid())
            throw DbError(QStringLiteral("Database driver is not available: ") +
                          errorText(c.lastError()));
        if (!c.open())
            throw DbError(errorText(c.lastError()));
    }
    if (settings.backend == Backend::SQLite) {
        const QVariant h = db->handle().driver()->handle();
        if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0 ||
            !registerSqliteKeyCollation(*static_cast<sqlite3* const*>(h.constData())))
            throw DbError(QStringLiteral("Cannot register the text key collation."));
        // Several terminals on one machine may share the file: readers never wait for a
        // writer, and a committed order is on disk before the operation returns.
        db->execScript(QStringLiteral("PRAGMA journal_mode=WAL"));
        db->execScript(QStringLiteral("PRAGMA synchronous=FULL"));
    } else {
        db->execScript(QStringLiteral("SET client_min_messages TO warning"));
    }
    return db;
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

std::shared_ptr<QSqlQuery> Db::prepared(const QString& translated)
{
    auto it = m_prepared.find(translated);
    if (it != m_prepared.end() && it->use_count() == 1) {
        (*it)->finish();
        return *it;
    }
    auto q = std::make_shared<QSqlQuery>(handle());
    q->setForwardOnly(true);
    if (!q->prepare(translated))
        throw DbError(errorText(q->lastError()), translated);
    if (it == m_prepared.end())
        m_prepared.insert(translated, q);
    return q;
}

Query Db::exec(const QString& sql, const Params& params)
{
    const QString translated = translate(sql);
    auto q = prepared(translated);
    for (const auto& [name, value] : params)
        q->bindValue(placeholder(name), forBackend(value, backend()));
    ++m_statements;
    if (!q->exec()) {
        const QString text = errorText(q->lastError());
        q->finish();
        if (m_depth > 0)
            m_rollbackOnly = true;
        throw DbError(text, translated);
    }
    return Query(q, backend());
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
        m_db.control(m_db.dialect().beginTransaction());
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
