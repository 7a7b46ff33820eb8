#pragma once

#include <memory>

#include <QString>

#include "data/db.h"

namespace ostrima {

class SqlNames;
struct AyarIni;

// Names of every table, view and column of the restaurant database.
const SqlNames& siteSqlNames();

// Built-in database name, used for the embedded file when ayar.INI names none.
inline constexpr auto kBuiltInDatabase = "zodavur";
inline constexpr auto kDatabaseUser = "kor";

// Where the site's database is: an empty server is the embedded SQLite file named after the
// database in the site directory; otherwise PostgreSQL at `host` or `host:port`, user "kor".
ConnectionSettings siteConnectionSettings(const AyarIni& ini, const QString& siteDir);

// Reads ayar.INI in `siteDir` and connects. Throws UserError (no ayar.INI) or DbError (the
// database's reason).
std::unique_ptr<Db> openSiteDatabase(const QString& siteDir);

} // namespace ostrima
