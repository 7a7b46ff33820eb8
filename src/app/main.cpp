#include <cstdio>

#include <QApplication>

#include "app/startup.h"
#include "data/db_error.h"
#include "data/schema_upgrade.h"
#include "data/site_database.h"

using namespace ostrima;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrima"));
    try {
        const StartupOptions options = parseStartupOptions(app.arguments().mid(1));
        auto db = openSiteDatabase(options.siteDir);
        if (installedSchemaVersion(*db) < latestSchemaVersion())
            throw UserError(QStringLiteral("The database has no current schema; run "
                                           "ostrimactl init --site %1")
                                .arg(options.siteDir));
        std::fprintf(stderr, "ostrima: connected to the %s database of %s; the screens are "
                             "not installed in this build.\n",
                     qPrintable(backendName(db->backend())), qPrintable(options.siteDir));
        return 0;
    } catch (const UserError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 2;
    }
}
