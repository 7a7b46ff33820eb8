#pragma once

#include "data/row_writer.h"

namespace ostrima {

// A cash movement with its customer counterpart: the `Q_kasa_detay` row, then the
// `Q_Customer_details` row whose `CARIHESAP_ID` is the `KAYIT_NO` the database gave that
// very cash row (never the highest key, which another terminal may have just written).
// Both rows or neither. Returns the cash row's `KAYIT_NO`.
qint64 postCashWithCustomer(Db& db, const Row& cashRow, Row customerRow);

// Removes such a pair by the cash row's `KAYIT_NO` (editing re-posts it as a new pair).
void removeCashWithCustomer(Db& db, qint64 kayitNo);

} // namespace ostrima
