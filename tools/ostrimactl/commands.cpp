#include "commands.h"

#include <QDir>
#include <QFile>

#include "app/ayar_ini.h"
#include "app/startup.h"
#include "data/db_error.h"
#include "data/demo_restaurant.h"
#include "data/schema.h"
#include "data/schema_upgrade.h"
#include "data/site_database.h"
#include "settings/client_id.h"

using namespace ostrima;

namespace ostrimactl {

namespace {

constexpr int kUsageError = 64;
constexpr int kFailure = 1;

struct SiteArgs {
    StartupOptions startup;
    QString server;
    QString database;
    bool serverGiven = false;
};

SiteArgs parseSiteArgs(const QStringList& args, bool allowCreate)
{
    SiteArgs s;
    s.startup = parseStartupOptions(args);
    QStringList rest = s.startup.rest;
    for (int i = 0; i < rest.size(); ++i) {
        auto value = [&](const QString& option) {
            if (i + 1 >= rest.size())
                throw UserError(QStringLiteral("%1 needs a value").arg(option));
            return rest[++i];
        };
        if (allowCreate && rest[i] == QLatin1String("--server")) {
            s.server = value(rest[i]);
            s.serverGiven = true;
        } else if (allowCreate && rest[i] == QLatin1String("--database")) {
            s.database = value(rest[i]);
        } else {
            throw UserError(QStringLiteral("unknown option '%1'").arg(rest[i]));
        }
    }
    if (!args.contains(QLatin1String("--site")) &&
        !std::any_of(args.begin(), args.end(),
                     [](const QString& a) { return a.startsWith(QLatin1String("--site=")); }))
        throw UserError(QStringLiteral("--site DIR is required"));
    return s;
}

// A new site gets an ayar.INI naming its database; an existing one is left as it is.
void ensureAyarIni(const SiteArgs& s, QTextStream& out)
{
    QDir dir(s.startup.siteDir);
    if (!dir.exists() && !QDir().mkpath(s.startup.siteDir))
        throw UserError(QStringLiteral("cannot create the site directory %1")
                            .arg(s.startup.siteDir));
    const QString path = dir.filePath(QStringLiteral("ayar.INI"));
    if (QFile::exists(path)) {
        if (s.serverGiven || !s.database.isEmpty())
            throw UserError(QStringLiteral("%1 exists already; edit it instead of giving "
                                           "--server/--database")
                                .arg(path));
        return;
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw UserError(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
    const QString database =
        s.database.isEmpty() ? QString::fromLatin1(kBuiltInDatabase) : s.database;
    f.write((s.server + QStringLiteral("\r\n") + database + QStringLiteral("\r\n")).toUtf8());
    out << "wrote " << path << "\n";
}

template <typename F>
int guarded(QTextStream& err, F&& body)
{
    try {
        return body();
    } catch (const UserError& e) {
        err << "ostrimactl: " << e.text() << "\n";
        return kUsageError;
    } catch (const DbError& e) {
        err << "ostrimactl: " << e.text() << "\n";
        return kFailure;
    }
}

void describeUpgrade(Db& db, int before, QTextStream& out)
{
    const int now = installedSchemaVersion(db);
    if (before == 0)
        out << "created schema version " << now;
    else if (before == now)
        out << "schema version " << now << " is current";
    else
        out << "upgraded schema from version " << before << " to " << now;
    out << " (" << backendName(db.backend()) << ")\n";
}

} // namespace

int init(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return guarded(err, [&] {
        const SiteArgs s = parseSiteArgs(args, true);
        ensureAyarIni(s, out);
        auto db = openSiteDatabase(s.startup.siteDir);
        const int before = upgradeSchema(*db);
        describeUpgrade(*db, before, out);
        return 0;
    });
}

int demo(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return guarded(err, [&] {
        const SiteArgs s = parseSiteArgs(args, true);
        ensureAyarIni(s, out);
        auto db = openSiteDatabase(s.startup.siteDir);
        const int before = upgradeSchema(*db);
        describeUpgrade(*db, before, out);
        if (db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_Admin")).toInt() > 0)
            throw UserError(QStringLiteral("the site %1 already has halls; the demo restaurant "
                                           "goes only into a new site")
                                .arg(s.startup.siteDir));
        loadDemoRestaurant(*db, s.startup.siteDir, s.startup.clientId);
        out << "demo restaurant loaded into " << s.startup.siteDir << " for client "
            << s.startup.clientId << "\n";
        out << "users (role, name, code):\n";
        for (const auto& u : demoUsers())
            out << "  " << u.bolum << "\t" << u.username << "\t" << u.pwd << "\n";
        return 0;
    });
}

int clientId(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        err << "ostrimactl: client-id takes no options\n";
        return kUsageError;
    }
    const QString id = machineClientId();
    if (id.isEmpty()) {
        err << "ostrimactl: this machine exposes neither a disk serial nor a machine id\n";
        return kFailure;
    }
    out << id << "\n";
    return 0;
}

int check(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return guarded(err, [&] {
        const SiteArgs s = parseSiteArgs(args, false);
        const AyarIni ini = AyarIni::read(s.startup.siteDir);
        const ConnectionSettings cs = siteConnectionSettings(ini, s.startup.siteDir);
        auto db = Db::open(cs, &siteSqlNames());
        out << "site:      " << s.startup.siteDir << "\n";
        out << "backend:   " << backendName(db->backend());
        if (db->backend() == Backend::SQLite)
            out << " (" << cs.sqliteFile << ")\n";
        else
            out << " (" << cs.host << ":" << cs.port << ", database " << cs.database
                << ", user " << cs.user << ")\n";
        out << "client:    " << s.startup.clientId << "\n";
        const int version = installedSchemaVersion(*db);
        out << "schema:    version " << version << " (program knows " << latestSchemaVersion()
            << ")\n";
        if (version == 0) {
            err << "ostrimactl: the database has no schema; run ostrimactl init --site "
                << s.startup.siteDir << "\n";
            return kFailure;
        }
        out << "rows:\n";
        for (const auto& t : siteSchema().tables) {
            const qint64 n =
                db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.name)).toLongLong();
            out << "  " << t.name.leftJustified(22) << " " << n << "\n";
        }
        const bool terminal =
            !db->scalar(QStringLiteral("SELECT clnum FROM q_admin_c WHERE clnum = :c"),
                        {{QStringLiteral("c"), s.startup.clientId}})
                 .isNull();
        out << "terminal:  " << (terminal ? "settings row found" : "NO settings row for this "
                                                                    "client number")
            << "\n";
        if (version < latestSchemaVersion()) {
            err << "ostrimactl: the schema is older than this program; run ostrimactl init\n";
            return kFailure;
        }
        return 0;
    });
}

} // namespace ostrimactl
