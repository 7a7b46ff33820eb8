#include "data/dialect.h"

#include <QStringList>

#include "data/schema.h"

namespace ostrima {

QString backendName(Backend backend)
{
    return backend == Backend::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

QString Dialect::monthName(const QString& dateColumn) const
{
    static const QStringList names = {
        QStringLiteral("Ocak"),  QStringLiteral("Şubat"),   QStringLiteral("Mart"),
        QStringLiteral("Nisan"), QStringLiteral("Mayıs"),   QStringLiteral("Haziran"),
        QStringLiteral("Temmuz"), QStringLiteral("Ağustos"), QStringLiteral("Eylül"),
        QStringLiteral("Ekim"),  QStringLiteral("Kasım"),   QStringLiteral("Aralık")};
    QString sql = QStringLiteral("CASE ") + monthNumber(dateColumn);
    for (int i = 0; i < names.size(); ++i)
        sql += QStringLiteral(" WHEN %1 THEN '%2'").arg(i + 1).arg(names[i]);
    return sql + QStringLiteral(" END");
}

QString Dialect::weekdayName(const QString& dateColumn) const
{
    static const QStringList names = {
        QStringLiteral("Pazar"),    QStringLiteral("Pazartesi"), QStringLiteral("Salı"),
        QStringLiteral("Çarşamba"), QStringLiteral("Perşembe"),  QStringLiteral("Cuma"),
        QStringLiteral("Cumartesi")};
    QString sql = QStringLiteral("CASE ") + weekdayNumber(dateColumn);
    for (int i = 0; i < names.size(); ++i)
        sql += QStringLiteral(" WHEN %1 THEN '%2'").arg(i).arg(names[i]);
    return sql + QStringLiteral(" END");
}

namespace {

class SqliteDialect final : public Dialect {
public:
    Backend backend() const override { return Backend::SQLite; }
    QString quote(const QString& id) const override { return id; }
    QString keyCollation() const override { return QStringLiteral("TRKEY"); }

    QString columnDefinition(const ColumnDef& c) const override
    {
        const QString name = QLatin1Char('"') + c.name + QLatin1Char('"');
        // SQLite does not enforce declared widths; a CHECK keeps both backends alike, so a
        // value too long for its column fails here as it does on PostgreSQL.
        auto textCol = [&](const char* type) {
            QString def = name + QLatin1Char(' ') + QLatin1String(type) +
                          QStringLiteral("(%1)").arg(c.length);
            if (c.textKey)
                def += QStringLiteral(" COLLATE ") + keyCollation();
            def += QStringLiteral(" CHECK(length(%1) <= %2)").arg(name).arg(c.length);
            return def;
        };
        switch (c.type) {
        case ColumnType::Text:
        case ColumnType::FixedText:
            return textCol("VARCHAR");
        case ColumnType::WideText:
            return textCol("NVARCHAR");
        case ColumnType::Float:
            return name + QStringLiteral(" REAL");
        case ColumnType::Int:
        case ColumnType::BigInt:
            return name + QStringLiteral(" INTEGER");
        case ColumnType::Bit:
            return name + QStringLiteral(" BOOLEAN");
        case ColumnType::DateTime:
            return name + QStringLiteral(" TEXT");
        case ColumnType::Image:
            return name + QStringLiteral(" BLOB");
        case ColumnType::Identity:
        case ColumnType::IntIdentity:
            return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
        }
        return name;
    }

    QStringList databasePreparation() const override { return {}; }
    QString beginTransaction() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString counterLock() const override { return {}; }

    QString dateTimeOf(const QString& d, const QString& t) const override
    {
        return QStringLiteral("(date(%1) || ' ' || COALESCE(NULLIF(%2, ''), '00:00:00'))")
            .arg(d, t);
    }
    QString monthNumber(const QString& d) const override
    {
        return QStringLiteral("CAST(strftime('%m', %1) AS INTEGER)").arg(d);
    }
    QString yearNumber(const QString& d) const override
    {
        return QStringLiteral("CAST(strftime('%Y', %1) AS INTEGER)").arg(d);
    }
    QString weekdayNumber(const QString& d) const override
    {
        return QStringLiteral("CAST(strftime('%w', %1) AS INTEGER)").arg(d);
    }
};

class PostgresDialect final : public Dialect {
public:
    Backend backend() const override { return Backend::PostgreSQL; }
    QString quote(const QString& id) const override
    {
        return QLatin1Char('"') + id + QLatin1Char('"');
    }
    QString keyCollation() const override { return QStringLiteral("trkey"); }

    QString columnDefinition(const ColumnDef& c) const override
    {
        const QString name = quote(c.name);
        auto textCol = [&](const char* type) {
            QString def = name + QLatin1Char(' ') + QLatin1String(type) +
                          QStringLiteral("(%1)").arg(c.length);
            if (c.textKey)
                def += QStringLiteral(" COLLATE ") + keyCollation();
            return def;
        };
        switch (c.type) {
        case ColumnType::Text:
        case ColumnType::WideText:
            return textCol("varchar");
        case ColumnType::FixedText:
            // Kept variable-width: a padded char(n) would hand trailing blanks back to readers.
            return textCol("varchar");
        case ColumnType::Float:
            return name + QStringLiteral(" double precision");
        case ColumnType::Int:
            return name + QStringLiteral(" integer");
        case ColumnType::BigInt:
            return name + QStringLiteral(" bigint");
        case ColumnType::Bit:
            return name + QStringLiteral(" boolean");
        case ColumnType::DateTime:
            return name + QStringLiteral(" timestamp");
        case ColumnType::Image:
            return name + QStringLiteral(" bytea");
        case ColumnType::Identity:
            return name + QStringLiteral(" bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
        case ColumnType::IntIdentity:
            return name + QStringLiteral(" integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
        }
        return name;
    }

    QStringList databasePreparation() const override
    {
        // Turkish, case-insensitive (strength 2), blanks ignorable (alternate shifted with
        // the variable top at the space), so "12" and "12 " are one table and "İ"/"i" fold.
        return {QStringLiteral(
            "DO $$ BEGIN "
            "IF NOT EXISTS (SELECT 1 FROM pg_collation WHERE collname = 'trkey' "
            "AND collnamespace = 'public'::regnamespace) THEN "
            "CREATE COLLATION public.trkey (provider = icu, "
            "locale = 'tr-u-ks-level2-ka-shifted-kv-space', deterministic = false); "
            "END IF; END $$")};
    }
    QString beginTransaction() const override { return QStringLiteral("BEGIN"); }
    QString counterLock() const override
    {
        return QStringLiteral("SELECT pg_advisory_xact_lock(:counter_key)");
    }

    QString dateTimeOf(const QString& d, const QString& t) const override
    {
        return QStringLiteral("(CAST(%1 AS date) + CAST(COALESCE(NULLIF(%2, ''), '00:00:00') "
                              "AS time))")
            .arg(d, t);
    }
    QString monthNumber(const QString& d) const override
    {
        return QStringLiteral("CAST(EXTRACT(MONTH FROM %1) AS integer)").arg(d);
    }
    QString yearNumber(const QString& d) const override
    {
        return QStringLiteral("CAST(EXTRACT(YEAR FROM %1) AS integer)").arg(d);
    }
    QString weekdayNumber(const QString& d) const override
    {
        return QStringLiteral("CAST(EXTRACT(DOW FROM %1) AS integer)").arg(d);
    }
};

} // namespace

std::unique_ptr<Dialect> Dialect::create(Backend backend)
{
    if (backend == Backend::SQLite)
        return std::make_unique<SqliteDialect>();
    return std::make_unique<PostgresDialect>();
}

} // namespace ostrima
