#include "data/counters.h"

#include "data/db.h"

namespace ostrima::counters {

namespace {
// Keys of the PostgreSQL advisory locks that serialise counter takers.
constexpr qint64 kSetupRowLock = 0x6f73740001;
constexpr qint64 kCheckNumberLock = 0x6f73740002;

void lockCounter(Db& db, qint64 key)
{
    const QString lock = db.dialect().counterLock();
    if (!lock.isEmpty())
        db.exec(lock, {{QStringLiteral("counter_key"), key}});
}
} // namespace

qint64 nextSilmeNo(Db& db)
{
    Transaction tx(db);
    // One statement reads and raises the counter under the row's write lock.
    QVariant v = db.scalar(QStringLiteral(
        "UPDATE Q_SETUP SET SILME_NO = COALESCE(SILME_NO, 0) + 1 RETURNING SILME_NO"));
    if (v.isNull()) {
        // The one row is missing (emptied by hand): recreate it under a lock.
        lockCounter(db, kSetupRowLock);
        v = db.scalar(QStringLiteral(
            "UPDATE Q_SETUP SET SILME_NO = COALESCE(SILME_NO, 0) + 1 RETURNING SILME_NO"));
        if (v.isNull()) {
            db.exec(QStringLiteral("INSERT INTO Q_SETUP (SILME_NO, yuvarla) VALUES (1, '0')"));
            v = 1;
        }
    }
    tx.commit();
    return static_cast<qint64>(v.toDouble());
}

qint64 reserveCheckNumber(Db& db)
{
    Transaction tx(db);
    lockCounter(db, kCheckNumberLock);
    const QVariant v = db.scalar(QStringLiteral(
        "INSERT INTO Q_adisyon (adisyon) SELECT COALESCE(MAX(adisyon), 0) + 1 FROM Q_adisyon "
        "RETURNING adisyon"));
    tx.commit();
    return static_cast<qint64>(v.toDouble());
}

} // namespace ostrima::counters
