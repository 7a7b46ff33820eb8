#pragma once

#include <QtGlobal>

namespace ostrima {

class Db;

// Numbers that must go to one taker only, also when several terminals take one at the same
// moment. Both run inside the caller's transaction (or one of their own).
namespace counters {

// Next line group number (`SILME_NO` of `Q_SETUP`): the line, its feature lines and its
// kitchen-queue row share it. Only ever grows.
qint64 nextSilmeNo(Db& db);

// Next check number: 1 + the largest `adisyon` of the register, reserved at once by a
// number-only `Q_adisyon` row.
qint64 reserveCheckNumber(Db& db);

} // namespace counters
} // namespace ostrima
