#include "data/schema_upgrade.h"

#include <QSqlField>
#include <QSqlRecord>
#include <QStringList>

#include "data/db.h"
#include "data/schema.h"

namespace ostrima {

namespace {

constexpr auto kVersionTable = "Q_SCHEMA_VERSION";

// One entry per schema version after the first; each runs after the declared tables have
// been created or extended, for the data changes that a new column or table needs.
struct Step {
    int version;
    void (*migrate)(Db&);
};
const Step kSteps[] = {
    {1, nullptr}, // halls, tables, checks, menu, users, counters, journals, terminal settings
    {2, nullptr}, // staff messages (`mesaj`), timed products (`Q_oyun`)
};

bool tableExists(Db& db, const QString& name)
{
    if (db.backend() == Backend::SQLite) {
        return !db.scalar(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                         "AND name = :n COLLATE NOCASE"),
                          {{QStringLiteral("n"), name}})
                    .isNull();
    }
    return !db.scalar(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE "
                                     "table_schema = current_schema() AND table_name = :n"),
                      {{QStringLiteral("n"), name}})
                .isNull();
}

QStringList existingColumns(Db& db, const QString& table)
{
    const QSqlRecord rec = db.handle().record(db.dialect().quote(table));
    QStringList cols;
    for (int i = 0; i < rec.count(); ++i)
        cols << rec.fieldName(i);
    return cols;
}

void ensureTable(Db& db, const TableDef& t)
{
    const Dialect& d = db.dialect();
    if (!tableExists(db, t.name)) {
        QStringList defs;
        for (const auto& c : t.columns)
            defs << d.columnDefinition(c);
        db.execScript(QStringLiteral("CREATE TABLE %1 (%2)")
                          .arg(QLatin1Char('"') + t.name + QLatin1Char('"'),
                               defs.join(QStringLiteral(", "))));
        for (const auto& seed : t.seedStatements)
            db.exec(seed);
        return;
    }
    const QStringList have = existingColumns(db, t.name);
    for (const auto& c : t.columns) {
        bool present = false;
        for (const auto& h : have)
            present = present || h.compare(c.name, d.backend() == Backend::SQLite
                                                       ? Qt::CaseInsensitive
                                                       : Qt::CaseSensitive) == 0;
        if (present)
            continue;
        ColumnDef added = c;
        // A key cannot be added to a table that has rows; such a column comes in as a number.
        if (c.type == ColumnType::Identity)
            added.type = ColumnType::BigInt;
        if (c.type == ColumnType::IntIdentity)
            added.type = ColumnType::Int;
        db.execScript(QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN %2")
                          .arg(t.name, d.columnDefinition(added)));
    }
}

void ensureIndex(Db& db, const IndexDef& ix)
{
    QStringList cols;
    for (const auto& c : ix.columns)
        cols << QLatin1Char('"') + c + QLatin1Char('"');
    db.execScript(QStringLiteral("CREATE INDEX IF NOT EXISTS \"%1\" ON \"%2\" (%3)")
                      .arg(ix.name, ix.table, cols.join(QStringLiteral(", "))));
}

void writeViews(Db& db, const Schema& schema)
{
    for (const auto& v : schema.views)
        db.execScript(QStringLiteral("DROP VIEW IF EXISTS \"%1\"").arg(v.name));
    for (const auto& v : schema.views) {
        const QString body = db.translate(v.sql(db.dialect()));
        db.execScript(QStringLiteral("CREATE VIEW \"%1\" AS %2").arg(v.name, body));
    }
}

void applySchema(Db& db, const Schema& schema)
{
    for (const auto& prep : db.dialect().databasePreparation())
        db.execScript(prep);
    for (const auto& t : schema.tables)
        ensureTable(db, t);
    for (const auto& ix : schema.indexes)
        ensureIndex(db, ix);
    writeViews(db, schema);
}

} // namespace

int latestSchemaVersion() { return kSteps[std::size(kSteps) - 1].version; }

int installedSchemaVersion(Db& db)
{
    if (!tableExists(db, QLatin1String(kVersionTable)))
        return 0;
    return db.scalar(QStringLiteral("SELECT MAX(version) FROM Q_SCHEMA_VERSION")).toInt();
}

int upgradeSchema(Db& db)
{
    Transaction tx(db);
    const int before = installedSchemaVersion(db);
    if (before > latestSchemaVersion())
        throw DbError(QStringLiteral("The database has schema version %1; this program knows "
                                     "versions up to %2. Install the newer program.")
                          .arg(before)
                          .arg(latestSchemaVersion()));
    if (before == latestSchemaVersion()) {
        tx.commit();
        return before;
    }
    if (before == 0)
        db.execScript(QStringLiteral("CREATE TABLE \"%1\" (\"version\" INTEGER, \"applied\" "
                                     "VARCHAR(19))")
                          .arg(QLatin1String(kVersionTable)));
    applySchema(db, siteSchema());
    for (const auto& step : kSteps) {
        if (step.version <= before)
            continue;
        if (step.migrate)
            step.migrate(db);
        db.exec(QStringLiteral("INSERT INTO Q_SCHEMA_VERSION (version, applied) VALUES (:v, :a)"),
                {{QStringLiteral("v"), step.version},
                 {QStringLiteral("a"), QDateTime::currentDateTime().toString(
                                           QStringLiteral("yyyy-MM-dd HH:mm:ss"))}});
    }
    tx.commit();
    return before;
}

void createOrExtend(Db& db, const Schema& schema)
{
    Transaction tx(db);
    applySchema(db, schema);
    tx.commit();
}

} // namespace ostrima
