#include "cashdesk/cash_movement.h"

namespace ostrima {

qint64 postCashWithCustomer(Db& db, const Row& cashRow, Row customerRow)
{
    Transaction tx(db);
    const qint64 kayitNo =
        insertRow(db, QStringLiteral("Q_kasa_detay"), cashRow, QStringLiteral("KAYIT_NO"));
    customerRow.emplace_back(QStringLiteral("CARIHESAP_ID"), kayitNo);
    insertRow(db, QStringLiteral("Q_Customer_details"), customerRow);
    tx.commit();
    return kayitNo;
}

void removeCashWithCustomer(Db& db, qint64 kayitNo)
{
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM Q_Customer_details WHERE CARIHESAP_ID = :k"),
            {{QStringLiteral("k"), kayitNo}});
    db.exec(QStringLiteral("DELETE FROM Q_kasa_detay WHERE KAYIT_NO = :k"),
            {{QStringLiteral("k"), kayitNo}});
    tx.commit();
}

} // namespace ostrima
