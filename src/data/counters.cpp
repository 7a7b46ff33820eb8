#include "data/counters.h"

#include "data/db.h"

namespace ostrima::counters {

void serialise(Db& db, WriterLock lock)
{
    const QString statement = db.dialect().counterLock();
    if (!statement.isEmpty())
        db.exec(statement, {{QStringLiteral("counter_key"), static_cast<qint64>(lock)}});
}

qint64 nextSilmeNo(Db& db)
{
    Transaction tx(db);
    // One statement reads and raises the counter under the row's write lock.
    QVariant v = db.scalar(QStringLiteral(
        "UPDATE Q_SETUP SET SILME_NO = COALESCE(SILME_NO, 0) + 1 RETURNING SILME_NO"));
    if (v.isNull()) {
        // The one row is missing (emptied by hand): recreate it under a lock.
        serialise(db, WriterLock::SetupRow);
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
    serialise(db, WriterLock::CheckNumber);
    const QVariant v = db.scalar(QStringLiteral(
        "INSERT INTO Q_adisyon (adisyon) SELECT COALESCE(MAX(adisyon), 0) + 1 FROM Q_adisyon "
        "RETURNING adisyon"));
    tx.commit();
    return static_cast<qint64>(v.toDouble());
}

} // namespace ostrima::counters
