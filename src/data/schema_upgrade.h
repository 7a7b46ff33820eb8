#pragma once

#include <QString>

namespace ostrima {

class Db;
struct Schema;

// Version of the schema this program declares; a database at a lower version is upgraded.
int latestSchemaVersion();
// Version recorded in the database; 0 for a database without the schema.
int installedSchemaVersion(Db& db);
// Creates the schema in a new database or brings an older one up to date, in one transaction:
// missing tables and columns are added, nothing is dropped, views are written anew.
// Returns the version the database was at before.
int upgradeSchema(Db& db);
// The same for any declared schema without versioning (the store database stand-in).
void createOrExtend(Db& db, const Schema& schema);

} // namespace ostrima
