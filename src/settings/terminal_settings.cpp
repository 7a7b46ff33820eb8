#include "settings/terminal_settings.h"

#include <cmath>

#include "data/db.h"

namespace ostrima {

namespace {

TerminalSettings fromRow(const Query& q)
{
    TerminalSettings t;
    t.found = true;
    auto s = [&](const char* c) { return q.text(QString::fromLatin1(c)); };
    auto n = [&](const char* c) { return q.number(QString::fromLatin1(c)); };
    auto b = [&](const char* c) { return q.flag(QString::fromLatin1(c)); };
    t.clnum = s("clnum");
    t.dpos = s("dpos");
    t.pcadi = s("pcadi");
    t.abiyer = s("abiyer");
    t.odemebutonu = s("odemebutonu");
    t.teraziport = s("teraziport");
    t.garsonkodu = s("garsonkodu");
    t.ortakdepo = s("ortakdepo");
    t.grupfont = n("grupfont");
    t.urunfont = n("urunfont");
    t.kolon = n("kolon");
    t.sorusure = n("sorusure");
    t.kritik = b("kritik");
    t.mixedmod = b("mixedmod");
    t.yonetim = b("yonetim");
    t.urunikr = b("urunikr");
    t.iade = b("iade");
    t.ind = b("ind");
    t.cari = b("cari");
    t.transfer = b("transfer");
    t.hizlisatis = b("hizlisatis");
    t.selfservis = b("selfservis");
    t.iadenot = b("iadenot");
    t.zayi = b("zayi");
    t.sifreliodeme = b("sifreliodeme");
    t.tektiklama = b("tektiklama");
    t.servisgoster = b("servisgoster");
    t.ibmaktar = b("ibmaktar");
    return t;
}

} // namespace

TerminalSettings TerminalSettings::read(Db& db, const QString& clientId)
{
    Query q = db.exec(QStringLiteral("SELECT * FROM q_admin_c WHERE clnum = :sivasl"),
                      {{QStringLiteral("sivasl"), clientId}});
    return q.next() ? fromRow(q) : TerminalSettings{};
}

TerminalSettings TerminalSettings::readFirstRow(Db& db)
{
    Query q = db.exec(QStringLiteral("SELECT * FROM q_admin_c ORDER BY ID_MS"));
    return q.next() ? fromRow(q) : TerminalSettings{};
}

std::optional<int> TerminalSettings::wholeCount(double value)
{
    if (!std::isfinite(value) || value < 1 || value > 1000 || std::floor(value) != value)
        return std::nullopt;
    return static_cast<int>(value);
}

HallSettings HallSettings::read(Db& db, const QString& hall)
{
    HallSettings h;
    Query q = db.exec(QStringLiteral("SELECT * FROM Q_Admin WHERE hall_name = :posbak"),
                      {{QStringLiteral("posbak"), hall}});
    if (!q.next())
        return h;
    h.found = true;
    auto s = [&](const char* c) { return q.text(QString::fromLatin1(c)); };
    auto n = [&](const char* c) { return q.number(QString::fromLatin1(c)); };
    auto b = [&](const char* c) { return q.flag(QString::fromLatin1(c)); };
    h.hall_name = s("hall_name");
    h.hall_pwd = s("hall_pwd");
    h.RNK = s("RNK");
    h.which_port = s("which_port");
    h.which_portad = s("which_portad");
    h.caption1 = s("caption1");
    h.caption2 = s("caption2");
    h.caption3 = s("caption3");
    h.pdakasa = s("pdakasa");
    h.takeaway = b("takeaway");
    h.view_table = b("view_table");
    h.masaac = b("masaac");
    h.kuversor = b("kuversor");
    h.ask_waiter_pwd = b("ask_waiter_pwd");
    h.ask_mrs = b("ask_mrs");
    h.auto_print = b("auto_print");
    h.aqua = b("aqua");
    h.adisyonyaz = b("adisyonyaz");
    h.cariadres = b("cariadres");
    h.DVZ = b("DVZ");
    h.malifis = b("malifis");
    h.ask_back = b("ask_back");
    h.ask_disc = b("ask_disc");
    h.ask_ser = b("ask_ser");
    h.ask_bill_trnsfer = b("ask_bill_trnsfer");
    h.ask_item_trnsfer = b("ask_item_trnsfer");
    h.ask_del = b("ask_del");
    h.fiyat_degisim = b("fiyat_degisim");
    h.fiyat_degisim_askpwd = b("fiyat_degisim_askpwd");
    h.servisac = b("servisac");
    h.auto_cust_ind = b("auto_cust_ind");
    h.urunind = b("urunind");
    h.odenmez_ikram = b("odenmez_ikram");
    h.odenmezcari = b("odenmezcari");
    h.hesapkapanis = b("hesapkapanis");
    h.otel = b("otel");
    h.onodeme = b("onodeme");
    h.pdahesapkapat = b("pdahesapkapat");
    h.table_count = q.whole(QStringLiteral("table_count"));
    h.which_prnt = q.whole(QStringLiteral("which_prnt"));
    h.dcolumn = n("dcolumn");
    h.drow = n("drow");
    h.harffontsize = n("harffontsize");
    h.harfsize = n("harfsize");
    h.sure = n("sure");
    h.kuverfiyat = n("kuverfiyat");
    h.fiyattipi = n("fiyattipi");
    h.azyuzde = n("azyuzde");
    h.dubleyuzde = n("dubleyuzde");
    h.add_service_percent = n("add_service_percent");
    h.serviskota = n("serviskota");
    h.waiter_prim_percent = n("waiter_prim_percent");
    return h;
}

QStringList HallSettings::mapHalls(Db& db)
{
    QStringList halls;
    Query q = db.exec(QStringLiteral(
        "SELECT hall_name FROM Q_Admin WHERE takeaway = :no OR takeaway IS NULL ORDER BY "
        "hall_name"),
                      {{QStringLiteral("no"), false}});
    while (q.next())
        halls << q.text(QStringLiteral("hall_name"));
    return halls;
}

} // namespace ostrima
