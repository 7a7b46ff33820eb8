#pragma once

#include <memory>

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/db.h"

namespace ostrima::test {

// The backend this run of a database test uses (OSTRIMA_TEST_BACKEND: sqlite | postgresql).
Backend testBackend();

// A new, empty database of the test backend, removed again at the end of the test. For
// PostgreSQL it lives on the server named by OSTRIMA_TEST_PGHOST / OSTRIMA_TEST_PGPORT.
class TestDatabase {
public:
    explicit TestDatabase(const QString& purpose = QStringLiteral("site"));
    ~TestDatabase();

    const ConnectionSettings& settings() const { return m_settings; }
    // A site directory whose ayar.INI points at this database.
    QString siteDir() const { return m_dir.path(); }
    QString ayarIniServer() const;
    std::unique_ptr<Db> open() const;

private:
    QTemporaryDir m_dir;
    ConnectionSettings m_settings;
};

// Fixture: a fresh site database with the current schema.
class SiteDbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<Db> m_db;
};

// Runs a statement on the PostgreSQL test server's maintenance database.
void pgAdmin(const QString& sql);

} // namespace ostrima::test
