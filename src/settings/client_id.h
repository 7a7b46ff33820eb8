#pragma once

#include <QString>

namespace ostrima {

// The terminal's identity, the key of its `q_admin_c` row: the serial number of the
// machine's first disk where the machine exposes one, else /etc/machine-id. The same on
// every start of the same machine. `--client ID` on the command line overrides it.
QString machineClientId(const QString& sysRoot = QStringLiteral("/"));

} // namespace ostrima
