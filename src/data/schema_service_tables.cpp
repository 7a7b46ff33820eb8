#include "data/schema.h"

#include <utility>

namespace ostrima {

using namespace Qt::StringLiterals;

void addServiceTables(Schema& schema)
{
    // Messages to the staff, shown on the main screen one at a time, oldest first; the key
    // says which row is the oldest and lets the one shown be deleted.
    schema.addTable(u"mesaj"_s, {
        identity(u"M_ID"_s),
        text(u"kime"_s, 50),
        text(u"mesaj"_s, 500),
    });

    // Timed products (billiards, games): minutes included in the base fee, then a fee per
    // further step. The key lets the settings screen edit and delete single rows.
    schema.addTable(u"Q_oyun"_s, {
        identity(u"O_ID"_s),
        text(u"oyun"_s, 50),
        flt(u"sure"_s),
        flt(u"fiyat"_s),
        flt(u"ekfiyat"_s),
        flt(u"herbirsure"_s),
    });
}

} // namespace ostrima
