#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include "commands.h"

namespace {

const char* kUsage =
    "usage: ostrimactl COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  init --site DIR [--server HOST[:PORT]] [--database NAME]\n"
    "        create or upgrade the schema of the site's database (writes ayar.INI when the\n"
    "        site has none: embedded database unless --server is given)\n"
    "  demo --site DIR [--server HOST[:PORT]] [--database NAME] [--client ID]\n"
    "        create a new site holding the demo restaurant\n"
    "  client-id\n"
    "        print this machine's client number\n"
    "  check --site DIR\n"
    "        connect and report backend, schema version and row counts\n";

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << kUsage;
        return args.isEmpty() ? 64 : 0;
    }
    const QString command = args.takeFirst();
    int rc = 64;
    if (command == QLatin1String("init"))
        rc = ostrimactl::init(args, out, err);
    else if (command == QLatin1String("demo"))
        rc = ostrimactl::demo(args, out, err);
    else if (command == QLatin1String("client-id"))
        rc = ostrimactl::clientId(args, out, err);
    else if (command == QLatin1String("check"))
        rc = ostrimactl::check(args, out, err);
    else
        err << "ostrimactl: unknown command '" << command << "'\n" << kUsage;
    out.flush();
    err.flush();
    return rc;
}
