#pragma once

#include <QString>
#include <QStringList>

namespace ostrima {

// Command-line options shared by the program and its companion.
struct StartupOptions {
    QString siteDir;  // --site DIR, else the working directory
    QString clientId; // --client ID, else this machine's client number
    bool windowed = false; // --window: a window instead of the full screen
    QStringList rest; // everything not understood here
};

// Throws UserError for an option missing its value.
StartupOptions parseStartupOptions(const QStringList& arguments);

} // namespace ostrima
