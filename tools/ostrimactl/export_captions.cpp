#include <QApplication>
#include <QDir>

#include "app/clock.h"
#include "app/session.h"
#include "app/startup.h"
#include "commands.h"
#include "data/db_error.h"
#include "data/site_database.h"
#include "ui/captions.h"
#include "ui/terminal_screens.h"
#include "ui/widget_interaction.h"

using namespace ostrima;

namespace ostrimactl {

// The same file as the main screen's hidden export button writes: every screen of the
// terminal, created as the program creates them, with the site's "lang.ini" applied.
int exportCaptions(const QStringList& args, QTextStream& out, QTextStream& err)
{
    try {
        if (!args.contains(QLatin1String("--site")))
            throw UserError(QStringLiteral("--site DIR is required"));
        const StartupOptions options = parseStartupOptions(args);
        if (!options.rest.isEmpty())
            throw UserError(QStringLiteral("unknown option '%1'").arg(options.rest.first()));
        QDir::setCurrent(options.siteDir);
        auto db = openSiteDatabase(options.siteDir);
        Session session;
        session.lblpcadi = options.clientId;
        WidgetInteraction ui;
        TerminalScreens screens(*db, session, ui, Clock::system(), options.siteDir,
                                options.clientId);
        const QString path = QDir(options.siteDir).filePath(QStringLiteral("Custom.ini"));
        ostrima::exportCaptions(screens.inCreationOrder(), path);
        out << "wrote " << path << "\n";
        return 0;
    } catch (const UserError& e) {
        err << "ostrimactl: " << e.text() << "\n";
        return 64;
    } catch (const DbError& e) {
        err << "ostrimactl: " << e.text() << "\n";
        return 1;
    }
}

} // namespace ostrimactl
