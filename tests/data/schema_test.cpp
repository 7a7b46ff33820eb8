#include <QSqlField>
#include <QSqlRecord>

#include "data/row_writer.h"
#include "data/schema.h"
#include "data/schema_upgrade.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

QStringList columnsOf(Db& db, const QString& relation)
{
    Query q = db.exec(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(relation));
    const QSqlRecord r = q.record();
    QStringList cols;
    for (int i = 0; i < r.count(); ++i)
        cols << r.fieldName(i);
    return cols;
}

class SchemaTest : public SiteDbTest {};

// Screens read whole rows into fixed column lists: every declared column must exist under its
// exact name, and every view must deliver exactly its listed columns.
TEST_F(SchemaTest, EveryTableAndViewHasItsColumnsSpelledExactly)
{
    for (const auto& t : siteSchema().tables) {
        QStringList expected;
        for (const auto& c : t.columns)
            expected << c.name;
        EXPECT_EQ(columnsOf(*m_db, t.name), expected) << t.name.toStdString();
    }
    for (const auto& v : siteSchema().views)
        EXPECT_EQ(columnsOf(*m_db, v.name), v.columns) << v.name.toStdString();
    EXPECT_EQ(installedSchemaVersion(*m_db), latestSchemaVersion());
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_SETUP")).toInt(), 1);
}

TEST_F(SchemaTest, UpgradeAddsMissingTablesAndColumnsAndKeepsRows)
{
    // An older database: Q_master_table with fewer columns, no Q_mars, no version record.
    auto old = std::make_unique<TestDatabase>(QStringLiteral("old"));
    auto db = old->open();
    const QString q = db->dialect().quote(QStringLiteral("Q_master_table"));
    db->execScript(QStringLiteral("CREATE TABLE %1 (%2 VARCHAR(50), %3 VARCHAR(80), %4 %5)")
                       .arg(q, db->dialect().quote(QStringLiteral("hall_name")),
                            db->dialect().quote(QStringLiteral("Masa")),
                            db->dialect().quote(QStringLiteral("total")),
                            db->backend() == Backend::SQLite ? QStringLiteral("REAL")
                                                             : QStringLiteral("double precision")));
    db->exec(QStringLiteral("INSERT INTO Q_master_table (hall_name, Masa, total) VALUES ('SALON', "
                            "'7', 12.5)"));

    EXPECT_EQ(upgradeSchema(*db), 0);
    EXPECT_EQ(installedSchemaVersion(*db), latestSchemaVersion());
    EXPECT_EQ(columnsOf(*db, QStringLiteral("Q_master_table")).size(),
              static_cast<qsizetype>(siteSchema().table(QStringLiteral("Q_master_table"))->columns.size()));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT total FROM Q_master_table WHERE Masa = '7'"))
                  .toDouble(),
              12.5);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_mars")).toInt(), 0);
    // A second run has nothing to do and changes nothing.
    EXPECT_EQ(upgradeSchema(*db), latestSchemaVersion());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_SETUP")).toInt(), 1);
}

TEST_F(SchemaTest, RefusesADatabaseFromANewerProgram)
{
    m_db->exec(QStringLiteral("INSERT INTO Q_SCHEMA_VERSION (version, applied) VALUES (:v, '')"),
               {{QStringLiteral("v"), latestSchemaVersion() + 1}});
    EXPECT_THROW(upgradeSchema(*m_db), DbError);
}

// A value too long for its column fails on both backends alike, instead of being stored
// whole on one and refused on the other.
TEST_F(SchemaTest, DeclaredWidthsAreEnforced)
{
    EXPECT_THROW(insertRow(*m_db, QStringLiteral("Q_Department"),
                           {{QStringLiteral("DEPARTMENT"), QString(21, QLatin1Char('X'))}}),
                 DbError);
    insertRow(*m_db, QStringLiteral("Q_Department"),
              {{QStringLiteral("DEPARTMENT"), QStringLiteral("ÇĞİÖŞÜçğıöşü12345678")}});
}

} // namespace
