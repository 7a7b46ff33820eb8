#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include "data/db_error.h"
#include "data/dialect.h"

class QSqlQuery;

namespace ostrima {

class SqlNames;

struct ConnectionSettings {
    Backend backend = Backend::SQLite;
    QString sqliteFile;       // SQLite: the database file, created on first use
    QString host;             // PostgreSQL
    int port = 5432;
    QString database;
    QString user;
    QString password;         // empty: libpq's own sources (PGPASSWORD, ~/.pgpass)
};

// Named values for a statement's :parameters (with or without the leading colon).
using Params = std::vector<std::pair<QString, QVariant>>;

// A bit column's value as either backend hands it back (bool, number or text).
bool bitValue(const QVariant& v);

// One executed statement; rows are read by column name.
class Query {
public:
    Query(std::shared_ptr<QSqlQuery> query, Backend backend);
    Query(Query&&) noexcept = default;
    Query& operator=(Query&&) noexcept = default;
    ~Query();

    bool next();
    QVariant value(const QString& column) const;
    QVariant value(int index) const;
    QString text(const QString& column) const;
    double number(const QString& column) const;
    int whole(const QString& column) const;
    bool flag(const QString& column) const;
    QDate date(const QString& column) const;
    QDateTime dateTime(const QString& column) const;
    QSqlRecord record() const;
    int rowsAffected() const;

private:
    std::shared_ptr<QSqlQuery> m_query;
    Backend m_backend;
};

// The connection to one database. Every value reaches the database as a bound parameter;
// statement text is fixed in the program and translated once per dialect.
class Db {
public:
    // Throws DbError with the database's reason when the connection fails.
    static std::unique_ptr<Db> open(const ConnectionSettings& settings, const SqlNames* names);
    ~Db();
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    Query exec(const QString& sql, const Params& params = {});
    // First column of the first row; a null QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {});
    // Runs an INSERT and returns the key the database gave this very row.
    qint64 insert(const QString& sql, const Params& params, const QString& keyColumn);
    // Statements without parameters, run as written (schema changes).
    void execScript(const QString& sql);

    Backend backend() const { return m_dialect->backend(); }
    const Dialect& dialect() const { return *m_dialect; }
    const ConnectionSettings& settings() const { return m_settings; }
    QSqlDatabase handle() const;
    QString translate(const QString& sql) const;

    // Statements executed since the last reset (transaction control excluded); for benches.
    qint64 statementCount() const { return m_statements; }
    void resetStatementCount() { m_statements = 0; }

    bool inTransaction() const { return m_depth > 0; }

private:
    friend class Transaction;
    Db(const ConnectionSettings& settings, const SqlNames* names, QString connectionName);
    void connect();
    bool connectionLost() const;
    bool reconnect();
    std::shared_ptr<QSqlQuery> prepared(const QString& translated, QString& error);
    std::shared_ptr<QSqlQuery> run(const QString& translated, const Params& params,
                                   QString& error);
    void control(const QString& statement);
    void finishAll();

    ConnectionSettings m_settings;
    const SqlNames* m_names;
    QString m_connectionName;
    std::unique_ptr<Dialect> m_dialect;
    mutable QHash<QString, QString> m_translated;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_prepared;
    qint64 m_statements = 0;
    int m_depth = 0;
    bool m_rollbackOnly = false;
};

// One user operation: everything written inside commits together or not at all. Nested
// transactions join the outermost one; a nested one left without commit dooms the whole.
class Transaction {
public:
    explicit Transaction(Db& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Db& m_db;
    bool m_done = false;
};

} // namespace ostrima
