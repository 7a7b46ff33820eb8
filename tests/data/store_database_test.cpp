#include <QFileInfo>

#include "data/row_writer.h"
#include "data/schema_upgrade.h"
#include "data/store_database.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class StoreDatabaseTest : public SiteDbTest {};

// The back-office connection takes its server from the first Q_IBM_ENT row; a stand-in
// database with the store system's tables accepts the hand-over's rows.
TEST_F(StoreDatabaseTest, ConnectsWhereQIbmEntSaysAndTakesCheckRows)
{
    std::unique_ptr<TestDatabase> storeDb;
    QString server;
    QString database;
    if (testBackend() == Backend::PostgreSQL) {
        pgAdmin(QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname "
                               "= 'GENIUS3') THEN CREATE ROLE \"GENIUS3\" LOGIN SUPERUSER; END "
                               "IF; END $$"));
        storeDb = std::make_unique<TestDatabase>(QStringLiteral("store"));
        server = storeDb->ayarIniServer();
        database = storeDb->settings().database;
    }
    insertRow(*m_db, QStringLiteral("Q_IBM_ENT"),
              {{QStringLiteral("FK_POS"), 3}, {QStringLiteral("FK_USER"), 7},
               {QStringLiteral("FK_IP_NUM"), server}, {QStringLiteral("FK_DATABASE"), database},
               {QStringLiteral("masa"), QStringLiteral("99")}});
    insertRow(*m_db, QStringLiteral("Q_IBM_ENT"),
              {{QStringLiteral("FK_IP_NUM"), QStringLiteral("ikinci.satir.yok")}});

    const ConnectionSettings cs = storeConnectionSettings(*m_db, m_database->siteDir());
    if (testBackend() == Backend::SQLite) {
        EXPECT_EQ(QFileInfo(cs.sqliteFile).fileName(), QStringLiteral("Genius3.db"));
    } else {
        EXPECT_EQ(cs.user, QStringLiteral("GENIUS3"));
        EXPECT_EQ(cs.database, database);
    }

    auto store = openStoreDatabase(*m_db, m_database->siteDir());
    createOrExtend(*store, storeSchema());
    insertRow(*store, QStringLiteral("CHECK_HEADER"),
              {{QStringLiteral("ID"), 1042}, {QStringLiteral("TABLE_NUM"), 12},
               {QStringLiteral("GROSS_TOTAL"), 245.5}, {QStringLiteral("BILL_NUMBER"), 0}});
    insertRow(*store, QStringLiteral("CHECK_LINE"),
              {{QStringLiteral("ID"), 1}, {QStringLiteral("FK_CHECK_HEADER"), 1042},
               {QStringLiteral("MULDIV"), QStringLiteral("1000")},
               {QStringLiteral("DESCRIPTION"), QStringLiteral("Kuzu Şiş")}});
    EXPECT_EQ(store->scalar(QStringLiteral("SELECT TABLE_NUM FROM CHECK_HEADER WHERE ID = 1042"))
                  .toInt(),
              12);
    EXPECT_EQ(store->scalar(QStringLiteral("SELECT DESCRIPTION FROM CHECK_LINE WHERE "
                                           "FK_CHECK_HEADER = 1042"))
                  .toString(),
              QStringLiteral("Kuzu Şiş"));
    store.reset();
}

TEST_F(StoreDatabaseTest, UnreachableServerIsAnError)
{
    insertRow(*m_db, QStringLiteral("Q_IBM_ENT"),
              {{QStringLiteral("FK_IP_NUM"), QStringLiteral("127.0.0.1:1")}});
    EXPECT_THROW(openStoreDatabase(*m_db, m_database->siteDir()), DbError);
}

} // namespace
