#pragma once

#include <memory>

#include <QString>

#include "data/db.h"

namespace ostrima {

struct Schema;
class SqlNames;

// The external store back-office database: checks are handed over to it and products are
// imported from it. It belongs to another system; `storeSchema()` declares the tables and
// columns this system reads and writes, which is what a stand-in database must provide.
const Schema& storeSchema();
const SqlNames& storeSqlNames();

inline constexpr auto kStoreDatabase = "Genius3";
inline constexpr auto kStoreUser = "GENIUS3";

// Connection of `ibmdata`: the server is `FK_IP_NUM` of the first `Q_IBM_ENT` row (`host` or
// `host:port`, PostgreSQL, user "GENIUS3", password from libpq's own sources); an empty
// server is an embedded stand-in file "Genius3.db" in the site directory. The database is
// "Genius3" unless the row's `FK_DATABASE` names another.
ConnectionSettings storeConnectionSettings(Db& site, const QString& siteDir);

// Throws DbError when the connection fails (the caller shows "IBM Sunucu Baglantı Hatası").
std::unique_ptr<Db> openStoreDatabase(Db& site, const QString& siteDir);

} // namespace ostrima
