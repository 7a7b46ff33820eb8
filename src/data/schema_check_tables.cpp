#include "data/schema.h"

#include <utility>

namespace ostrima {

using namespace Qt::StringLiterals;

void addCheckTables(Schema& schema)
{
    // The tables of every hall, each with the header of the check open on it.
    schema.addTable(u"Q_master_table"_s, {
        identity(u"Q_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"Masa"_s, 80),
        text(u"masaadi"_s, 20),
        integer(u"sira"_s),
        text(u"RNK"_s, 50),
        text(u"waiter"_s, 50),
        text(u"waipwd"_s, 50),
        flt(u"pax"_s),
        flt(u"kuv_tut"_s),
        flt(u"harici_kuv_tut"_s),
        text(u"gelissaat"_s, 8),
        datetime(u"today"_s),
        flt(u"total"_s),
        flt(u"subtotal"_s),
        flt(u"payfor"_s),
        bit(u"adisyaz"_s),
        flt(u"Adsno"_s),
        bit(u"ILAVESIP"_s),
        text(u"HESADI"_s, 80),
        flt(u"servpercent"_s),
        flt(u"servtotal"_s),
        flt(u"manser"_s),
        flt(u"indpercent"_s),
        flt(u"indtotal"_s),
        flt(u"manindyuz"_s),
        bit(u"ma_baslik"_s),
        flt(u"on_odeme"_s),
    });

    // Lines of the open checks; a line and its feature lines share one `sil` number.
    schema.addTable(u"Q_master_detay"_s, {
        identity(u"QD_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"masa"_s, 80),
        flt(u"sil"_s),
        keyText(u"ReceteKodu"_s, 20),
        text(u"ReceteAdi"_s, 100),
        text(u"ozellik"_s, 200),
        text(u"categori"_s, 20),
        keyText(u"department"_s, 20),
        flt(u"mal"_s),
        flt(u"bfiyat"_s),
        flt(u"adet"_s),
        flt(u"total"_s),
        bit(u"yaz"_s),
        text(u"sip_time"_s, 10),
        text(u"fatura"_s, 20),
        text(u"waiter"_s, 50),
        bit(u"ma_yaz"_s),
        bit(u"payfor"_s),
        text(u"bit_time"_s, 10),
        bit(u"garson_cagir"_s),
        text(u"PC_NAME"_s, 100),
        text(u"PC_USER"_s, 100),
    });

    // Kitchen tickets still to be printed: unsent order lines and pending cancellations.
    schema.addTable(u"Q_master_delete"_s, {
        identity(u"QT_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"masa"_s, 80),
        flt(u"sil"_s),
        text(u"gndr"_s, 10),
        integer(u"iade"_s),
        keyText(u"ReceteKodu"_s, 20),
        text(u"ReceteAdi"_s, 100),
        text(u"ozellik"_s, 200),
        flt(u"adet"_s),
        text(u"category"_s, 20),
        keyText(u"department"_s, 20),
        integer(u"articel_id"_s),
        bit(u"pda"_s),
    });

    // Check register: a number-only row at the first print, complete rows at closing.
    schema.addTable(u"Q_adisyon"_s, {
        identity(u"ADS_NO"_s),
        flt(u"adisyon"_s),
        text(u"islem"_s, 50),
        datetime(u"tarih"_s),
        text(u"saat"_s, 10),
        text(u"kasiyer"_s, 50),
        text(u"garson"_s, 50),
        text(u"cari"_s, 80),
        text(u"detay"_s, 100),
        flt(u"tutar"_s),
        flt(u"ind"_s),
        flt(u"servis"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"masa"_s, 80),
        flt(u"kuver"_s),
        flt(u"pax"_s),
        text(u"PC_NAME"_s, 100),
        text(u"PC_USER"_s, 100),
        text(u"PC_TARIHI"_s, 100),
    });

    // Products (menu items) and stock items.
    schema.addTable(u"Q_ITEMS"_s, {
        identity(u"URUN_ID"_s),
        keyText(u"KODU"_s, 20),
        text(u"ADI"_s, 100),
        text(u"TANIMI"_s, 100),
        keyText(u"GRUP"_s, 30),
        bit(u"URUN"_s),
        bit(u"STOK"_s),
        bit(u"MALZ"_s),
        bit(u"YARIMAMUL"_s),
        flt(u"SFIYAT"_s),
        flt(u"sfiyat2"_s),
        flt(u"sfiyat3"_s),
        flt(u"sfiyat4"_s),
        flt(u"AFIYAT"_s),
        flt(u"MALIYET"_s),
        flt(u"KDV"_s),
        text(u"BIRIM"_s, 20),
        flt(u"BIRIMAGR"_s),
        flt(u"BIRIMMIK"_s),
        text(u"AMBMIKTAR"_s, 10),
        text(u"BARKOD"_s, 50),
        integer(u"SIRA"_s),
        flt(u"SATNO"_s),
        bit(u"secenek"_s),
        bit(u"fixmenu"_s),
        bit(u"terazi"_s),
        bit(u"ENHIT"_s),
        flt(u"BGNSAT"_s),
        bit(u"satis_dur"_s),
        keyText(u"receno"_s, 20),
        text(u"DURUM"_s, 1),
        text(u"KALITE"_s, 15),
        text(u"ACIKLAMA"_s, 100),
        flt(u"BRMKATSAYI"_s),
        flt(u"MIN_MIK"_s),
        flt(u"KULL_MIK"_s),
        text(u"STOKTAKIP"_s, 1),
        bigint(u"ADOVIZ_ID"_s),
        flt(u"DOVIZ_FIYAT"_s),
        flt(u"MINFIYAT"_s),
        text(u"AMBBARKOD"_s, 50),
        text(u"URETICI"_s, 80),
        image(u"resim"_s),
    });

    // Recipe lines: what one unit of a product consumes.
    schema.addTable(u"Q_ITEMS_DETAY"_s, {
        identity(u"U_ID"_s),
        keyText(u"ReceteKodu"_s, 20),
        keyText(u"StokKodu"_s, 20),
        text(u"StokAdi"_s, 100),
        flt(u"Miktar"_s),
        flt(u"Fiyati"_s),
        flt(u"Tutar"_s),
        flt(u"afiyat"_s),
        text(u"AMBMIKTAR"_s, 10),
        flt(u"KDV"_s),
        keyText(u"receno"_s, 20),
        flt(u"bmiktar"_s),
        flt(u"oran"_s),
        flt(u"firemik"_s),
        flt(u"firetut"_s),
        bigint(u"URUN_IDNO"_s),
    });

    // Features of one product, offered in the features dialog.
    schema.addTable(u"Q_ITEMS_DETAYX"_s, {
        identity(u"O_ID"_s),
        keyText(u"receno"_s, 20),
        text(u"DETAY"_s, 200),
        flt(u"FIYAT"_s),
        keyText(u"KODU"_s, 20),
        text(u"ADI"_s, 100),
        flt(u"miktar"_s),
    });

    // Features shared by every product of a group (`ADI` is the group).
    schema.addTable(u"Q_ITEMS_ORTAK"_s, {
        identity(u"O_ID"_s),
        text(u"ADI"_s, 100),
        text(u"OZELLIK"_s, 50),
        flt(u"FIYAT"_s),
        keyText(u"KODU"_s, 20),
        text(u"AMBMIKTAR"_s, 10),
        flt(u"miktar"_s),
    });

    // Product groups.
    schema.addTable(u"Q_Grups"_s, {
        identity(u"GRUP_ID"_s),
        keyText(u"Grup"_s, 30),
        text(u"CATEGORY"_s, 20),
        text(u"TYPE"_s, 10),
        bit(u"STOK"_s),
        text(u"fatura"_s, 20),
        bit(u"xchol"_s),
        text(u"sirket"_s, 10),
        image(u"resim"_s),
    });

    // Production departments; a name beginning with "SCREEN" also feeds a kitchen display.
    schema.addTable(u"Q_Department"_s, {
        identity(u"DEPO_ID"_s),
        keyText(u"DEPARTMENT"_s, 20),
    });

    // Halls and their settings, one row per hall.
    schema.addTable(u"Q_Admin"_s, {
        identity(u"hall_id"_s),
        keyText(u"hall_name"_s, 50),
        text(u"hall_pwd"_s, 50),
        bit(u"takeaway"_s),
        integer(u"table_count"_s),
        bit(u"view_table"_s),
        flt(u"dcolumn"_s),
        flt(u"drow"_s),
        flt(u"harffontsize"_s),
        flt(u"harfsize"_s),
        flt(u"sure"_s),
        text(u"RNK"_s, 50),
        bit(u"masaac"_s),
        bit(u"kuversor"_s),
        flt(u"kuverfiyat"_s),
        bit(u"ask_waiter_pwd"_s),
        bit(u"ask_mrs"_s),
        bit(u"auto_print"_s),
        flt(u"fiyattipi"_s),
        flt(u"azyuzde"_s),
        flt(u"dubleyuzde"_s),
        bit(u"aqua"_s),
        text(u"which_port"_s, 50),
        integer(u"which_prnt"_s),
        text(u"which_portad"_s, 50),
        text(u"caption1"_s, 50),
        text(u"caption2"_s, 50),
        text(u"caption3"_s, 50),
        bit(u"adisyonyaz"_s),
        bit(u"cariadres"_s),
        bit(u"DVZ"_s),
        bit(u"malifis"_s),
        bit(u"ask_back"_s),
        bit(u"ask_disc"_s),
        bit(u"ask_ser"_s),
        bit(u"ask_bill_trnsfer"_s),
        bit(u"ask_item_trnsfer"_s),
        bit(u"ask_del"_s),
        bit(u"fiyat_degisim"_s),
        bit(u"fiyat_degisim_askpwd"_s),
        flt(u"add_service_percent"_s),
        bit(u"servisac"_s),
        flt(u"serviskota"_s),
        bit(u"auto_cust_ind"_s),
        bit(u"urunind"_s),
        bit(u"odenmez_ikram"_s),
        bit(u"odenmezcari"_s),
        bit(u"hesapkapanis"_s),
        bit(u"otel"_s),
        bit(u"onodeme"_s),
        flt(u"waiter_prim_percent"_s),
        bit(u"pdahesapkapat"_s),
        text(u"pdakasa"_s, 80),
    });

    // Groups a hall sells and the department producing each, one row per hall and group.
    schema.addTable(u"Q_Admin_Second"_s, {
        identity(u"D_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"GRUP"_s, 30),
        keyText(u"DEPARTMENT"_s, 20),
        integer(u"articel_id"_s),
    });

    // Kitchen printer routing, one row per hall and department.
    schema.addTable(u"Q_Admin_Details"_s, {
        identity(u"ADMIN_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"DEPARTMENT"_s, 20),
        text(u"PRNT_PATH"_s, 50),
        text(u"BASLIK"_s, 30),
    });

    // Lines held back for firing.
    schema.addTable(u"Q_mars"_s, {
        identity(u"MDY_ID"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"Masa"_s, 80),
        text(u"MADI"_s, 80),
        flt(u"adet"_s),
        text(u"YAZ"_s, 50),
    });

    // Tender rows of the payment being taken on a table, one per offered payment type.
    schema.addTable(u"Q_sanal"_s, {
        text(u"odeme"_s, 50),
        flt(u"tutar"_s),
        text(u"pwd"_s, 50),
        bit(u"fis"_s),
        keyText(u"hall_name"_s, 50),
        keyText(u"Masa"_s, 80),
    });

    // Marks a check on which a discount was given.
    schema.addTable(u"Q_disc_mdy"_s, {
        identity(u"auto_no"_s),
        text(u"waiter"_s, 40),
        keyText(u"hall_name"_s, 50),
        keyText(u"masa"_s, 80),
    });

    // Global counters and switches; always exactly one row.
    schema.addTable(u"Q_SETUP"_s, {
        flt(u"SILME_NO"_s),
        text(u"yuvarla"_s, 1),
    }, {u"INSERT INTO Q_SETUP (SILME_NO, yuvarla) VALUES (0, '0')"_s});

    // Users, their personal codes and rights.
    schema.addTable(u"Q_userkontrol"_s, {
        intIdentity(u"auto_no"_s),
        keyText(u"username"_s, 50),
        text(u"pwd"_s, 50),
        text(u"bolum"_s, 50),
        bit(u"yonetim"_s),
        bit(u"iade"_s),
        bit(u"ind"_s),
        bit(u"servis"_s),
        bit(u"uikram"_s),
        bit(u"fdegis"_s),
        bit(u"hesap"_s),
        bit(u"cari"_s),
        bit(u"htrans"_s),
        bit(u"odenmez"_s),
        bit(u"utrans"_s),
        text(u"sirket"_s, 10),
    });
}

} // namespace ostrima
