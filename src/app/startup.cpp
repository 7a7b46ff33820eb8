#include "app/startup.h"

#include <QDir>

#include "data/db_error.h"
#include "settings/client_id.h"

namespace ostrima {

StartupOptions parseStartupOptions(const QStringList& arguments)
{
    StartupOptions o;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        auto value = [&](const QString& option) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                throw UserError(QStringLiteral("%1 needs a value").arg(option));
            return arguments[++i];
        };
        if (a == QLatin1String("--site"))
            o.siteDir = value(a);
        else if (a.startsWith(QLatin1String("--site=")))
            o.siteDir = a.mid(7);
        else if (a == QLatin1String("--client"))
            o.clientId = value(a);
        else if (a.startsWith(QLatin1String("--client=")))
            o.clientId = a.mid(9);
        else if (a == QLatin1String("--window"))
            o.windowed = true;
        else
            o.rest << a;
    }
    if (o.siteDir.isEmpty())
        o.siteDir = QDir::currentPath();
    o.siteDir = QDir(o.siteDir).absolutePath();
    if (o.clientId.isEmpty())
        o.clientId = machineClientId();
    return o;
}

} // namespace ostrima
