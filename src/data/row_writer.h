#pragma once

#include <QString>

#include "data/db.h"

namespace ostrima {

// Column/value pairs of one row; the column names are the program's own, the values bound.
using Row = Params;

// INSERT INTO table (columns) VALUES (:p0, :p1, ...); returns the new key when `keyColumn`
// is given, else 0.
qint64 insertRow(Db& db, const QString& table, const Row& row, const QString& keyColumn = {});

} // namespace ostrima
