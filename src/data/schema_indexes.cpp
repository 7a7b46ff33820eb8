#include "data/schema.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

// Adds the index named IX_<table>_<columns joined by _>.
void addIndex(Schema& schema, const QString& table, const QStringList& columns)
{
    schema.indexes.push_back(
        IndexDef{u"IX_"_s + table + u'_' + columns.join(u'_'), table, columns});
}

} // namespace

void addIndexes(Schema& schema)
{
    // Open tables are read by hall and table code on every service action.
    addIndex(schema, u"Q_master_table"_s, {u"hall_name"_s, u"Masa"_s});
    addIndex(schema, u"Q_master_detay"_s, {u"hall_name"_s, u"masa"_s});
    addIndex(schema, u"Q_master_detay"_s, {u"sil"_s});
    addIndex(schema, u"Q_master_delete"_s, {u"hall_name"_s, u"masa"_s});
    addIndex(schema, u"Q_master_delete"_s, {u"sil"_s});
    addIndex(schema, u"Q_sanal"_s, {u"hall_name"_s, u"Masa"_s});
    addIndex(schema, u"Q_mars"_s, {u"hall_name"_s, u"Masa"_s});
    addIndex(schema, u"Q_disc_mdy"_s, {u"hall_name"_s, u"masa"_s});
    addIndex(schema, u"Q_master_detay_MA"_s, {u"hall_name"_s, u"masa"_s});

    // Journals: the report filters (date, check number, account, desk).
    addIndex(schema, u"Q_adisyon"_s, {u"adisyon"_s});
    addIndex(schema, u"Q_adisyon"_s, {u"tarih"_s});
    addIndex(schema, u"Q_kasa_detay"_s, {u"Tarih"_s});
    addIndex(schema, u"Q_kasa_detay"_s, {u"ADEGIS"_s});
    addIndex(schema, u"Q_kasa_detay"_s, {u"HESADI"_s});
    addIndex(schema, u"Q_Customer_details"_s, {u"HESNO"_s});
    addIndex(schema, u"Q_Customer_details"_s, {u"ads"_s});
    addIndex(schema, u"Q_Customer_details"_s, {u"CARIHESAP_ID"_s});
    addIndex(schema, u"Q_Items_mov"_s, {u"tarih"_s});
    addIndex(schema, u"Q_Items_mov"_s, {u"adsno"_s});
    addIndex(schema, u"Q_bugs"_s, {u"GUN"_s});

    // Menu, settings and users, looked up by their codes.
    addIndex(schema, u"Q_ITEMS"_s, {u"KODU"_s});
    addIndex(schema, u"Q_ITEMS"_s, {u"GRUP"_s});
    addIndex(schema, u"Q_ITEMS"_s, {u"SATNO"_s});
    addIndex(schema, u"Q_ITEMS_DETAY"_s, {u"ReceteKodu"_s});
    addIndex(schema, u"Q_ITEMS_DETAYX"_s, {u"receno"_s});
    addIndex(schema, u"Q_Admin"_s, {u"hall_name"_s});
    addIndex(schema, u"Q_Admin_Second"_s, {u"hall_name"_s, u"GRUP"_s});
    addIndex(schema, u"Q_Admin_Details"_s, {u"hall_name"_s, u"DEPARTMENT"_s});
    addIndex(schema, u"q_admin_c"_s, {u"clnum"_s});
    addIndex(schema, u"Q_userkontrol"_s, {u"pwd"_s});
    addIndex(schema, u"Q_Customer"_s, {u"HESNO"_s});
    addIndex(schema, u"Q_Customer"_s, {u"HESADI"_s});
}

} // namespace ostrima
