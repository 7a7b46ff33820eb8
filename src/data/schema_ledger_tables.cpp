#include "data/schema.h"

#include <utility>

namespace ostrima {

using namespace Qt::StringLiterals;

void addLedgerTables(Schema& schema)
{
    // Cash desks; every cashier user gets one named after the user.
    schema.addTable(u"Q_Kasa"_s, {
        identity(u"KASA_ID"_s),
        integer(u"SIRKET"_s),
        text(u"KASANO"_s, 20),
        keyText(u"KASAADI"_s, 80),
        bigint(u"DOVIZ_ID"_s),
        bigint(u"HESAP_ID"_s),
        bigint(u"KOD"_s),
        text(u"ACIKLAMA"_s, 20),
        flt(u"devirtop"_s),
    });

    // Cash journal: Alacak is money into the desk, Borc money out of it.
    // CARIHESAP_ID non-NULL marks an expense, DOVIZ_ID non-NULL a transfer pair.
    schema.addTable(u"Q_kasa_detay"_s, {
        identity(u"KAYIT_NO"_s),
        bigint(u"CARIHESAP_ID"_s),
        keyText(u"HESNO"_s, 20),
        text(u"HESADI"_s, 80),
        bigint(u"DOVIZ_ID"_s),
        text(u"Grup"_s, 15),
        text(u"Saat"_s, 8),
        datetime(u"Tarih"_s),
        text(u"Detay"_s, 50),
        text(u"Islem"_s, 30),
        text(u"Q_odemetipi"_s, 50),
        flt(u"Borc"_s),
        flt(u"Alacak"_s),
        flt(u"Bakiye"_s),
        integer(u"SIRKET"_s),
        text(u"AHESAP"_s, 50),
        text(u"AADI"_s, 80),
        text(u"AGRUP"_s, 15),
        text(u"FDETAY"_s, 50),
        flt(u"ADEGIS"_s),
        text(u"tfol"_s, 150),
        text(u"PC_NAME"_s, 100),
        text(u"PC_USER"_s, 100),
        text(u"PC_TARIHI"_s, 100),
        text(u"bileklik"_s, 56),
        bit(u"subeonay"_s),
    });

    // Expense places offered when an expense is entered.
    schema.addTable(u"Q_masraflar"_s, {
        identity(u"M_ID"_s),
        text(u"MASRAFYERI"_s, 50),
    });

    // Payment types.
    schema.addTable(u"Q_odemetipi"_s, {
        identity(u"auto_no"_s),
        keyText(u"odemetipi"_s, 50),
        text(u"ask_pwd"_s, 50),
        integer(u"SIRA"_s),
        bit(u"FIS"_s),
        bit(u"POS"_s),
        bit(u"bank"_s),
    });

    // Customer cards; Grup "Kasa" marks a hall's own account. Borc, Alacak and Bakiye are
    // totals copied from the movements.
    schema.addTable(u"Q_Customer"_s, {
        identity(u"CARIHESAP_ID"_s),
        keyText(u"HESNO"_s, 50),
        text(u"HESADI"_s, 80),
        bigint(u"MUHHESAP_ID"_s),
        text(u"Grup"_s, 15),
        flt(u"auto_ind"_s),
        datetime(u"tarih"_s),
        text(u"Telefon"_s, 20),
        text(u"Fax"_s, 20),
        text(u"Verda"_s, 20),
        text(u"Verno"_s, 20),
        flt(u"ustlimit"_s),
        flt(u"usedkredi"_s),
        flt(u"Borc"_s),
        flt(u"Alacak"_s),
        flt(u"Bakiye"_s),
        text(u"Adres"_s, 250),
        text(u"garson_primsure"_s, 10),
        flt(u"garson_kota"_s),
        flt(u"garson_kotaprim"_s),
        flt(u"garson_kotaaltiprim"_s),
        flt(u"garson_yuzde"_s),
        flt(u"garson_maxodenmez"_s),
        flt(u"garson_maxodenmez1"_s),
        text(u"mail"_s, 100),
        bit(u"fandbind"_s),
        flt(u"ice"_s),
        flt(u"yiye"_s),
        text(u"Adres2"_s, 250),
        text(u"Adres3"_s, 250),
        text(u"Adres4"_s, 250),
        text(u"Adres5"_s, 250),
        bit(u"aktif"_s),
        flt(u"maas"_s),
        datetime(u"bastar"_s),
        text(u"borclandirma"_s, 1),
        text(u"muhasebekodu"_s, 20),
    });

    // Customer account movements: Borc raises what the account owes, Alacak lowers it.
    // CARIHESAP_ID points to the cash-journal row made together with the movement.
    schema.addTable(u"Q_Customer_details"_s, {
        identity(u"KAYIT_NO"_s),
        bigint(u"CARIHESAP_ID"_s),
        keyText(u"HESNO"_s, 50),
        text(u"HESADI"_s, 80),
        bigint(u"DOVIZ_ID"_s),
        text(u"Grup"_s, 15),
        text(u"irsno"_s, 20),
        text(u"fno"_s, 20),
        text(u"Saat"_s, 8),
        datetime(u"Tarih"_s),
        flt(u"ads"_s),
        text(u"Detay"_s, 50),
        text(u"Islem"_s, 30),
        text(u"Q_odemetipi"_s, 50),
        flt(u"Borc"_s),
        flt(u"Alacak"_s),
        text(u"Garson"_s, 80),
        keyText(u"Salon"_s, 50),
        flt(u"Pax"_s),
        flt(u"indirim"_s),
        bigint(u"mahsup"_s),
        bit(u"toplu"_s),
        text(u"PC_NAME"_s, 100),
        text(u"sirket"_s, 10),
        wideText(u"sube"_s, 100),
        bit(u"subeonay"_s),
    });

    // Stock movements: one row per item sold (urun true) and per ingredient consumed or
    // wasted. Stock on hand is Giren less Cikan and Zayi per item and store (department).
    schema.addTable(u"Q_Items_mov"_s, {
        identity(u"S_ID"_s),
        datetime(u"tarih"_s),
        text(u"Saat"_s, 8),
        text(u"waiter"_s, 50),
        text(u"ozet"_s, 20),
        text(u"fno"_s, 20),
        text(u"irsno"_s, 20),
        keyText(u"receno"_s, 20),
        text(u"Islem"_s, 50),
        keyText(u"HESNO"_s, 20),
        text(u"HESADI"_s, 80),
        text(u"hesgrup"_s, 15),
        keyText(u"StokKodu"_s, 20),
        text(u"StokAdi"_s, 80),
        keyText(u"Grup"_s, 30),
        keyText(u"department"_s, 20),
        text(u"Olcu"_s, 10),
        text(u"Birim"_s, 20),
        flt(u"BIRIMMIK"_s),
        fixedText(u"AMBMIKTAR"_s, 10),
        flt(u"Adet"_s),
        flt(u"Giren"_s),
        flt(u"Cikan"_s),
        flt(u"Zayi"_s),
        flt(u"tuketim"_s),
        bit(u"urun"_s),
        flt(u"Maliyet"_s),
        flt(u"Fiyat"_s),
        flt(u"Tutar"_s),
        flt(u"Kdv"_s),
        flt(u"KdvTutari"_s),
        flt(u"Vade"_s),
        flt(u"afiyat"_s),
        keyText(u"hall_name"_s, 50),
        flt(u"adsno"_s),
        bigint(u"uretno"_s),
        integer(u"ISKONTO1"_s),
        integer(u"ISKONTO2"_s),
        flt(u"ISKTUTAR1"_s),
        flt(u"ISKTUTAR2"_s),
        text(u"PC_NAME"_s, 100),
        text(u"PC_USER"_s, 100),
        text(u"PC_TARIHI"_s, 100),
        text(u"ack"_s, 250),
        bit(u"subeonay"_s),
        wideText(u"sube"_s, 100),
        keyText(u"masa"_s, 80),
        text(u"sirket"_s, 10),
        flt(u"kdvsiztutfat"_s),
        flt(u"kdvsizfiyfat"_s),
    });

    // Waste journal of menu items; their ingredients go to Q_Items_mov as "Zayi" rows.
    schema.addTable(u"Q_Items_zayi"_s, {
        identity(u"Z_ID"_s),
        text(u"Saat"_s, 8),
        text(u"Islem"_s, 50),
        datetime(u"tarih"_s),
        keyText(u"StokKodu"_s, 20),
        text(u"StokAdi"_s, 80),
        keyText(u"Grup"_s, 30),
        keyText(u"department"_s, 20),
        text(u"Olcu"_s, 10),
        text(u"Birim"_s, 20),
        flt(u"BIRIMMIK"_s),
        flt(u"Adet"_s),
        flt(u"Fiyat"_s),
        flt(u"Tutar"_s),
        bit(u"urun"_s),
        text(u"waiter"_s, 50),
        flt(u"Maliyet"_s),
    });

    // Returned lines of open checks waiting for the fiscal printer.
    schema.addTable(u"Q_master_detay_MA"_s, {
        identity(u"MD_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"masa"_s, 80),
        keyText(u"ReceteKodu"_s, 20),
        text(u"ReceteAdi"_s, 100),
        text(u"categori"_s, 20),
        keyText(u"department"_s, 20),
        flt(u"adet"_s),
        flt(u"total"_s),
        bit(u"ma_yaz"_s),
    });

    // Audit log of sensitive operations.
    schema.addTable(u"Q_bugs"_s, {
        identity(u"S_ID"_s),
        datetime(u"GUN"_s),
        text(u"ZAMAN"_s, 8),
        text(u"garson"_s, 50),
        keyText(u"username"_s, 50),
        flt(u"indirim"_s),
        flt(u"ind_geri"_s),
        flt(u"servis"_s),
        flt(u"servis_geri"_s),
        keyText(u"hall_name"_s, 50),
        flt(u"total"_s),
        flt(u"adisyon"_s),
        text(u"sebep"_s, 100),
        // Hall (50), two blanks and table (80) of a transfer's receiving side.
        text(u"item_trans"_s, 140),
        text(u"bill_trans"_s, 140),
        text(u"silindi"_s, 10),
        text(u"iade"_s, 10),
        text(u"URUN_ADI"_s, 100),
        flt(u"ADET"_s),
        text(u"deta"_s, 250),
        keyText(u"masa"_s, 80),
        text(u"PCNAME"_s, 100),
    });
}

} // namespace ostrima
