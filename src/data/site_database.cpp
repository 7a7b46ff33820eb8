#include "data/site_database.h"

#include <QDir>

#include "app/ayar_ini.h"
#include "data/schema.h"
#include "data/sql_names.h"

namespace ostrima {

const SqlNames& siteSqlNames()
{
    static const SqlNames names = [] {
        SqlNames n(siteSchema());
        n.addTable(QStringLiteral("Q_SCHEMA_VERSION"),
                   {QStringLiteral("version"), QStringLiteral("applied")});
        return n;
    }();
    return names;
}

ConnectionSettings siteConnectionSettings(const AyarIni& ini, const QString& siteDir)
{
    ConnectionSettings s;
    if (ini.server.isEmpty()) {
        s.backend = Backend::SQLite;
        const QString name =
            ini.database.isEmpty() ? QString::fromLatin1(kBuiltInDatabase) : ini.database;
        s.database = name;
        s.sqliteFile = QDir(siteDir).absoluteFilePath(name + QStringLiteral(".db"));
        return s;
    }
    s.backend = Backend::PostgreSQL;
    s.host = ini.server;
    const int colon = ini.server.lastIndexOf(QLatin1Char(':'));
    if (colon > 0) {
        bool ok = false;
        const int port = ini.server.mid(colon + 1).toInt(&ok);
        if (ok) {
            s.host = ini.server.left(colon);
            s.port = port;
        }
    }
    s.database = ini.database; // empty: the login's default database
    s.user = QString::fromLatin1(kDatabaseUser);
    return s;
}

std::unique_ptr<Db> openSiteDatabase(const QString& siteDir)
{
    const AyarIni ini = AyarIni::read(siteDir);
    return Db::open(siteConnectionSettings(ini, siteDir), &siteSqlNames());
}

} // namespace ostrima
