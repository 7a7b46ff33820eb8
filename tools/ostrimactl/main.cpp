#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

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
    "        connect and report backend, schema version and row counts\n"
    "  export-captions --site DIR\n"
    "        write the captions of every screen to DIR/Custom.ini\n";

} // namespace

int main(int argc, char* argv[])
{
    // Only the caption export creates screens; it needs a QApplication, off screen when
    // there is no display.
    const bool screens = argc > 1 && qstrcmp(argv[1], "export-captions") == 0;
    if (screens && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app =
        screens ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
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
    else if (command == QLatin1String("export-captions"))
        rc = ostrimactl::exportCaptions(args, out, err);
    else
        err << "ostrimactl: unknown command '" << command << "'\n" << kUsage;
    out.flush();
    err.flush();
    return rc;
}
