#pragma once

#include <memory>

#include <QString>

namespace ostrima {

struct ColumnDef;

enum class Backend { SQLite, PostgreSQL };

QString backendName(Backend backend);

// The few places where SQLite and PostgreSQL differ. Everything else is written once.
class Dialect {
public:
    virtual ~Dialect() = default;
    static std::unique_ptr<Dialect> create(Backend backend);

    virtual Backend backend() const = 0;
    // Identifier as it must appear in statement text (PostgreSQL keeps case only when quoted).
    virtual QString quote(const QString& identifier) const = 0;
    // Column definition for CREATE TABLE / ALTER TABLE ADD COLUMN.
    virtual QString columnDefinition(const ColumnDef& column) const = 0;
    // Statements that prepare a new database (collations and the like).
    virtual QStringList databasePreparation() const = 0;
    // Statement opening a transaction that takes the write lock at once.
    virtual QString beginTransaction() const = 0;
    // Statement serialising takers of one counter inside a transaction; empty when the
    // transaction itself already serialises writers.
    virtual QString counterLock() const = 0;

    // View expressions. `dateColumn` holds a day, `timeColumn` "hh:nn:ss" text.
    virtual QString dateTimeOf(const QString& dateColumn, const QString& timeColumn) const = 0;
    virtual QString monthNumber(const QString& dateColumn) const = 0;
    virtual QString yearNumber(const QString& dateColumn) const = 0;
    virtual QString weekdayNumber(const QString& dateColumn) const = 0; // 0 = Sunday
    // Turkish month name (Ocak .. Aralık) and weekday name (Pazar .. Cumartesi).
    QString monthName(const QString& dateColumn) const;
    QString weekdayName(const QString& dateColumn) const;
    // Names of the text key collation as used in DDL.
    virtual QString keyCollation() const = 0;
};

} // namespace ostrima
