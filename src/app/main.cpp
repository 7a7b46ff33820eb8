#include <cstdio>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "app/companions.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "data/db.h"
#include "data/db_error.h"
#include "data/schema_upgrade.h"
#include "data/site_database.h"
#include "app/clock.h"
#include "app/port_probe.h"
#include "app/session.h"
#include "ui/splash_screen.h"
#include "ui/terminal_screens.h"
#include "ui/widget_interaction.h"
#include "service/anamenu_frm.h"
#include "app/login_frm.h"
#include "ui/style.h"

using namespace ostrima;

namespace {

// Exit codes: 1 settings or schema, 2 database unreachable, 3 another copy of this terminal.
constexpr int kExitSettings = 1;
constexpr int kExitDatabase = 2;
constexpr int kExitSecondCopy = 3;

QStringList commandLine(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// A message nobody can answer would keep the program alive on a platform without a screen;
// there the text on stderr is all.
void showStartupMessage(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok);
    box.exec();
}

// The terminal's run: the screens in their order, then the login again and again until a
// cashier's code matches, then the main screen, modal, until "Çıkış". Returns the exit code.
int runTerminal(Db& db, const StartupOptions& options)
{
    Session session;
    session.lblpcadi = options.clientId;
    WidgetInteraction ui;
    TerminalScreens screens(db, session, ui, Clock::system(), options.siteDir,
                            options.clientId);
    startCompanions(options.siteDir);
    if (screens.login().exec() != QDialog::Accepted)
        return 0;
    probeSerialPorts(hallPrinterPorts(db));
    if (options.windowed)
        screens.anamenu().resize(1280, 800);
    else
        screens.anamenu().setWindowState(Qt::WindowFullScreen);
    screens.anamenu().exec();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList args = commandLine(argc, argv);
    StartupOptions options;
    try {
        options = parseStartupOptions(args.mid(1));
    } catch (const UserError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return kExitSettings;
    }
    // The site's files ("ayar.INI", "lang.ini", print work files) are read "beside the
    // program": the site directory is the working directory from here on.
    QDir::setCurrent(options.siteDir);

    SingleInstance instance(clientArgument(args.mid(1)));
    if (!instance.tryLock()) {
        instance.endOtherCopies();
        std::fprintf(stderr, "ostrima: another copy of this terminal was running on this "
                             "machine; every copy ends.\n");
        return kExitSecondCopy;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ostrima"));
    applyTouchStyle(app);
    SplashScreen splash;
    splash.show();
    splash.setProgress(50);

    std::unique_ptr<Db> db;
    try {
        db = openSiteDatabase(options.siteDir);
        splash.setProgress(75);
        if (installedSchemaVersion(*db) < latestSchemaVersion())
            throw UserError(QStringLiteral("The database has no current schema; run "
                                           "ostrimactl init --site %1")
                                .arg(options.siteDir));
    } catch (const UserError& e) {
        splash.close();
        showStartupMessage(e.text());
        return kExitSettings;
    } catch (const DbError& e) {
        // An unreachable database ends the program without a window; the reason goes to
        // stderr for whoever set the terminal up.
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return kExitDatabase;
    }

    splash.setProgress(100);
    const int rc = runTerminal(*db, options);
    // "Çıkış" ends every copy of this terminal on the machine, this one included.
    instance.endOtherCopies();
    return rc;
}
