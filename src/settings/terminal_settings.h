#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace ostrima {

class Db;

// A terminal's own row of `q_admin_c`, read fresh by every operation that needs it. A
// terminal without a row reads every text empty, every number 0 and every switch off.
struct TerminalSettings {
    bool found = false;
    QString clnum, dpos, pcadi, abiyer, odemebutonu, teraziport, garsonkodu, ortakdepo;
    double grupfont = 0, urunfont = 0, kolon = 0, sorusure = 0;
    bool kritik = false, mixedmod = false, yonetim = false, urunikr = false, iade = false,
         ind = false, cari = false, transfer = false, hizlisatis = false, selfservis = false,
         iadenot = false, zayi = false, sifreliodeme = false, tektiklama = false,
         servisgoster = false, ibmaktar = false;

    static TerminalSettings read(Db& db, const QString& clientId);
    // The first row the table returns, whatever terminal it belongs to: `pcadi`,
    // `sifreliodeme` and `ibmaktar` are read from there and act installation-wide.
    static TerminalSettings readFirstRow(Db& db);

    // A setting that must be a positive whole number (map columns, tile columns); empty
    // when it is not, so the screen can say what to configure instead of failing.
    static std::optional<int> wholeCount(double value);
};

// A hall's row of `Q_Admin`, read fresh by each operation that needs it.
struct HallSettings {
    bool found = false;
    QString hall_name, hall_pwd, RNK, which_port, which_portad, caption1, caption2, caption3,
        pdakasa;
    bool takeaway = false, view_table = false, masaac = false, kuversor = false,
         ask_waiter_pwd = false, ask_mrs = false, auto_print = false, aqua = false,
         adisyonyaz = false, cariadres = false, DVZ = false, malifis = false, ask_back = false,
         ask_disc = false, ask_ser = false, ask_bill_trnsfer = false, ask_item_trnsfer = false,
         ask_del = false, fiyat_degisim = false, fiyat_degisim_askpwd = false, servisac = false,
         auto_cust_ind = false, urunind = false, odenmez_ikram = false, odenmezcari = false,
         hesapkapanis = false, otel = false, onodeme = false, pdahesapkapat = false;
    int table_count = 0, which_prnt = 0;
    double dcolumn = 0, drow = 0, harffontsize = 0, harfsize = 0, sure = 0, kuverfiyat = 0,
           fiyattipi = 0, azyuzde = 0, dubleyuzde = 0, add_service_percent = 0, serviskota = 0,
           waiter_prim_percent = 0;

    static HallSettings read(Db& db, const QString& hall);
    // Halls of the hall list: every hall that is not a takeaway hall, by name.
    static QStringList mapHalls(Db& db);
};

} // namespace ostrima
