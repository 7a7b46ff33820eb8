#include "service/table_header.h"

namespace ostrima {

Row freeTableHeader()
{
    const QString empty = QStringLiteral("");
    Row row = {{QStringLiteral("RNK"), QStringLiteral("0")},
               {QStringLiteral("waiter"), empty},
               {QStringLiteral("waipwd"), empty},
               {QStringLiteral("gelissaat"), empty},
               {QStringLiteral("HESADI"), empty},
               {QStringLiteral("adisyaz"), false},
               {QStringLiteral("ILAVESIP"), false},
               {QStringLiteral("ma_baslik"), false}};
    for (const char* amount : {"pax", "kuv_tut", "harici_kuv_tut", "total", "subtotal", "payfor",
                               "Adsno", "servpercent", "servtotal", "manser", "indpercent",
                               "indtotal", "manindyuz", "on_odeme"})
        row.emplace_back(QString::fromLatin1(amount), 0.0);
    return row;
}

} // namespace ostrima
