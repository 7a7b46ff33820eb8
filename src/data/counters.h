#pragma once

#include <QtGlobal>

namespace ostrima {

class Db;

// Numbers that must go to one taker only, also when several terminals take one at the same
// moment. Both run inside the caller's transaction (or one of their own).
namespace counters {

// Keys of the locks that serialise writers who must not run at the same moment.
enum class WriterLock : qint64 {
    SetupRow = 0x6f73740001,
    CheckNumber = 0x6f73740002,
    TableCreation = 0x6f73740010,
};

// Inside a transaction: waits until no other terminal holds `lock`, and holds it until the
// transaction ends (PostgreSQL advisory lock; SQLite's write lock already does this).
void serialise(Db& db, WriterLock lock);

// Next line group number (`SILME_NO` of `Q_SETUP`): the line, its feature lines and its
// kitchen-queue row share it. Only ever grows.
qint64 nextSilmeNo(Db& db);

// Next check number: 1 + the largest `adisyon` of the register, reserved at once by a
// number-only `Q_adisyon` row.
qint64 reserveCheckNumber(Db& db);

} // namespace counters
} // namespace ostrima
