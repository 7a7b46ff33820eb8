#pragma once

#include <QStringList>

namespace ostrima {

// Starts the companion programs "pda" and "zedirovi" that a site may keep in its directory
// (the plain name, else the ".exe" name, when executable), each detached and not waited for.
// Absent or failing companions change nothing. Returns the programs started.
QStringList startCompanions(const QString& siteDir);

} // namespace ostrima
