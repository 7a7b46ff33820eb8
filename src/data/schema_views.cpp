#include "data/schema.h"

#include <utility>

#include "data/dialect.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

void addView(Schema& schema, QString name, QStringList columns,
             std::function<QString(const Dialect&)> sql)
{
    schema.views.push_back(ViewDef{std::move(name), std::move(columns), std::move(sql)});
}

// Cash-journal rows with their desk's KASAADI and ACIKLAMA; `where` selects the rows.
QString cashWithDesk(const Dialect& d, const QString& where)
{
    QString sql = u"SELECT "_s + d.dateTimeOf(u"Tarih"_s, u"Saat"_s) +
                  u" AS zaman, k.KASAADI, k.ACIKLAMA, c.HESADI, c.Tarih, c.Saat, c.Detay, "
                  u"c.Islem, c.Q_odemetipi, c.Borc, c.Alacak, c.Bakiye, c.CARIHESAP_ID, "
                  u"c.AHESAP, c.AADI, c.AGRUP "
                  u"FROM Q_kasa_detay c LEFT JOIN Q_Kasa k ON k.KASAADI = c.HESADI"_s;
    if (!where.isEmpty())
        sql += u" WHERE "_s + where;
    return sql;
}

const QStringList cashWithDeskColumns = {
    u"zaman"_s,   u"KASAADI"_s, u"ACIKLAMA"_s,     u"HESADI"_s,       u"Tarih"_s,  u"Saat"_s,
    u"Detay"_s,   u"Islem"_s,   u"Q_odemetipi"_s,  u"Borc"_s,         u"Alacak"_s, u"Bakiye"_s,
    u"CARIHESAP_ID"_s, u"AHESAP"_s, u"AADI"_s,     u"AGRUP"_s,
};

} // namespace

void addCheckViews(Schema& schema)
{
    // Products with a quick-sale number. Category and department come from the lowest row of
    // the group, so a group listed twice still gives one row per product.
    addView(schema, u"Q_FAST_SALE"_s,
            {u"SATNO"_s, u"KODU"_s, u"ADI"_s, u"GRUP"_s, u"CATEGORY"_s, u"DEPARTMENT"_s,
             u"SFIYAT"_s, u"MALIYET"_s},
            [](const Dialect&) -> QString {
                return u"SELECT i.SATNO, i.KODU, i.ADI, i.GRUP, "
                       u"(SELECT g.CATEGORY FROM Q_Grups g WHERE g.Grup = i.GRUP "
                       u"ORDER BY g.GRUP_ID LIMIT 1) AS CATEGORY, "
                       u"(SELECT s.DEPARTMENT FROM Q_Admin_Second s WHERE s.GRUP = i.GRUP "
                       u"ORDER BY s.D_ID LIMIT 1) AS DEPARTMENT, "
                       u"i.SFIYAT, i.MALIYET "
                       u"FROM Q_ITEMS i "
                       u"WHERE i.SATNO IS NOT NULL AND i.SATNO <> 0"_s;
            });

    // Time of day of the last order of each table that has lines.
    addView(schema, u"Q_table_time"_s, {u"hall_name"_s, u"masa"_s, u"sonsip"_s},
            [](const Dialect&) -> QString {
                return u"SELECT hall_name, masa, MAX(sip_time) AS sonsip "
                       u"FROM Q_master_detay GROUP BY hall_name, masa"_s;
            });

    // Open amount per hall and its share, in percent, of all open amount.
    addView(schema, u"Q_acikmasa"_s, {u"MDY_ID"_s, u"hall_name"_s, u"toplam"_s, u"oran"_s},
            [](const Dialect&) -> QString {
                return u"SELECT MIN(m.Q_ID) AS MDY_ID, m.hall_name, "
                       u"COALESCE(SUM(m.subtotal), 0) AS toplam, "
                       u"CASE WHEN a.hepsi = 0 THEN 0 "
                       u"ELSE 100.0 * COALESCE(SUM(m.subtotal), 0) / a.hepsi END AS oran "
                       u"FROM Q_master_table m CROSS JOIN "
                       u"(SELECT COALESCE(SUM(subtotal), 0) AS hepsi FROM Q_master_table "
                       u"WHERE subtotal <> 0) a "
                       u"WHERE m.subtotal <> 0 "
                       u"GROUP BY m.hall_name, a.hepsi"_s;
            });
}

void addLedgerViews(Schema& schema)
{
    // The check register with the closing moment.
    addView(schema, u"Q_Ads"_s,
            {u"zaman"_s, u"ADS_NO"_s, u"tarih"_s, u"saat"_s, u"islem"_s, u"adisyon"_s,
             u"kasiyer"_s, u"garson"_s, u"cari"_s, u"detay"_s, u"tutar"_s, u"ind"_s,
             u"servis"_s, u"hall_name"_s, u"masa"_s, u"kuver"_s, u"pax"_s},
            [](const Dialect& d) -> QString {
                return u"SELECT "_s + d.dateTimeOf(u"tarih"_s, u"saat"_s) +
                       u" AS zaman, ADS_NO, tarih, saat, islem, adisyon, kasiyer, garson, "
                       u"cari, detay, tutar, ind, servis, hall_name, masa, kuver, pax "
                       u"FROM Q_adisyon"_s;
            });

    addView(schema, u"Q_kasa_sorgu"_s,
            {u"zaman"_s, u"HESADI"_s, u"Q_odemetipi"_s, u"Borc"_s, u"Alacak"_s},
            [](const Dialect& d) -> QString {
                return u"SELECT "_s + d.dateTimeOf(u"Tarih"_s, u"Saat"_s) +
                       u" AS zaman, HESADI, Q_odemetipi, Borc, Alacak FROM Q_kasa_detay"_s;
            });

    // Money taken in that is neither an expense nor half of a desk transfer.
    addView(schema, u"Q_Kasiyer_islem_TAHSIL"_s, cashWithDeskColumns,
            [](const Dialect& d) -> QString {
                return cashWithDesk(d, u"c.CARIHESAP_ID IS NULL AND c.DOVIZ_ID IS NULL "
                                       u"AND c.Alacak > 0"_s);
            });

    addView(schema, u"Q_Kasiyer_islem_MASRAF"_s, cashWithDeskColumns,
            [](const Dialect& d) -> QString {
                return cashWithDesk(d, u"c.CARIHESAP_ID IS NOT NULL"_s);
            });

    addView(schema, u"Q_Kasiyer_bakiye"_s, cashWithDeskColumns,
            [](const Dialect& d) -> QString { return cashWithDesk(d, QString()); });

    // Expense rows with month and weekday names for the expense graphs.
    addView(schema, u"Q_Masraf_graf"_s,
            {u"KAYIT_NO"_s, u"CARIHESAP_ID"_s, u"HESNO"_s, u"HESADI"_s, u"DOVIZ_ID"_s,
             u"Grup"_s, u"Saat"_s, u"Tarih"_s, u"Detay"_s, u"Islem"_s, u"Q_odemetipi"_s,
             u"Borc"_s, u"Alacak"_s, u"Bakiye"_s, u"SIRKET"_s, u"AHESAP"_s, u"AADI"_s,
             u"AGRUP"_s, u"zaman"_s, u"AYY"_s, u"Gun"_s},
            [](const Dialect& d) -> QString {
                return u"SELECT KAYIT_NO, CARIHESAP_ID, HESNO, HESADI, DOVIZ_ID, Grup, Saat, "
                       u"Tarih, Detay, Islem, Q_odemetipi, Borc, Alacak, Bakiye, SIRKET, "
                       u"AHESAP, AADI, AGRUP, "_s +
                       d.dateTimeOf(u"Tarih"_s, u"Saat"_s) + u" AS zaman, "_s +
                       d.monthName(u"Tarih"_s) + u" AS AYY, "_s + d.weekdayName(u"Tarih"_s) +
                       u" AS Gun FROM Q_kasa_detay WHERE CARIHESAP_ID IS NOT NULL"_s;
            });

    addView(schema, u"Q_CUSTOMER_MOVE"_s,
            {u"KAYIT_NO"_s, u"CARIHESAP_ID"_s, u"HESNO"_s, u"HESADI"_s, u"DOVIZ_ID"_s,
             u"Grup"_s, u"irsno"_s, u"fno"_s, u"Saat"_s, u"Tarih"_s, u"ads"_s, u"Detay"_s,
             u"Islem"_s, u"Q_odemetipi"_s, u"Borc"_s, u"Alacak"_s, u"Garson"_s, u"Salon"_s,
             u"Pax"_s, u"indirim"_s, u"mahsup"_s, u"toplu"_s, u"PC_NAME"_s, u"sirket"_s,
             u"sube"_s, u"subeonay"_s, u"zaman"_s},
            [](const Dialect& d) -> QString {
                return u"SELECT KAYIT_NO, CARIHESAP_ID, HESNO, HESADI, DOVIZ_ID, Grup, irsno, "
                       u"fno, Saat, Tarih, ads, Detay, Islem, Q_odemetipi, Borc, Alacak, "
                       u"Garson, Salon, Pax, indirim, mahsup, toplu, PC_NAME, sirket, sube, "
                       u"subeonay, "_s +
                       d.dateTimeOf(u"Tarih"_s, u"Saat"_s) +
                       u" AS zaman FROM Q_Customer_details"_s;
            });

    // Movements summed per account and month. Grouping by the month name itself keeps the
    // select list valid on PostgreSQL; names and months correspond one to one.
    addView(schema, u"Q_CUSTOMER_MONTHLY2"_s,
            {u"Ay"_s, u"yil"_s, u"HESNO"_s, u"HESADI"_s, u"Borc"_s, u"Alacak"_s, u"indirim"_s,
             u"Bakiye"_s},
            [](const Dialect& d) -> QString {
                const QString month = d.monthName(u"Tarih"_s);
                const QString year = d.yearNumber(u"Tarih"_s);
                return u"SELECT "_s + month + u" AS Ay, "_s + year +
                       u" AS yil, HESNO, HESADI, "
                       u"COALESCE(SUM(Borc), 0) AS Borc, COALESCE(SUM(Alacak), 0) AS Alacak, "
                       u"COALESCE(SUM(indirim), 0) AS indirim, "
                       u"COALESCE(SUM(Borc), 0) - COALESCE(SUM(Alacak), 0) AS Bakiye "
                       u"FROM Q_Customer_details GROUP BY "_s +
                       year + u", "_s + month + u", HESNO, HESADI"_s;
            });
}

} // namespace ostrima
