#include "data/schema.h"

#include <utility>

namespace ostrima {

using namespace Qt::StringLiterals;

void addSettingsTables(Schema& schema)
{
    // Terminal settings, one row per terminal, found by its client number `clnum`.
    schema.addTable(u"q_admin_c"_s, {
        identity(u"ID_MS"_s),
        keyText(u"clnum"_s, 80),
        text(u"dpos"_s, 50),
        text(u"pcadi"_s, 50),
        text(u"abiyer"_s, 50),
        flt(u"grupfont"_s),
        flt(u"urunfont"_s),
        text(u"odemebutonu"_s, 50),
        flt(u"kolon"_s),
        bit(u"kritik"_s),
        bit(u"mixedmod"_s),
        bit(u"yonetim"_s),
        bit(u"urunikr"_s),
        bit(u"iade"_s),
        bit(u"ind"_s),
        bit(u"cari"_s),
        bit(u"transfer"_s),
        bit(u"hizlisatis"_s),
        bit(u"selfservis"_s),
        bit(u"iadenot"_s),
        bit(u"zayi"_s),
        flt(u"sorusure"_s),
        bit(u"sifreliodeme"_s),
        text(u"teraziport"_s, 50),
        bit(u"tektiklama"_s),
        bit(u"servisgoster"_s),
        text(u"garsonkodu"_s, 50),
        bit(u"ibmaktar"_s),
        text(u"ortakdepo"_s, 50),
        bit(u"ismemasa"_s),
        wideText(u"paket"_s, 50),
        bit(u"callerid"_s),
        flt(u"sipyazfont"_s),
        flt(u"adsyazfont"_s),
        bit(u"masayanot"_s),
        text(u"selfmantik"_s, 50),
    });

    // Back-office connection and check hand-over settings; the first row counts.
    schema.addTable(u"Q_IBM_ENT"_s, {
        identity(u"Q_I"_s),
        bigint(u"FK_POS"_s),
        bigint(u"FK_USER"_s),
        bigint(u"FK_STORE"_s),
        text(u"KASA"_s, 80),
        text(u"FK_IP_NUM"_s, 50),
        text(u"FK_DATABASE"_s, 50),
        keyText(u"masa"_s, 50),
    });

    // Accounting database connection; the first row counts.
    schema.addTable(u"Q_logo_ent"_s, {
        identity(u"ID"_s),
        text(u"IPNO"_s, 50),
        text(u"USR"_s, 50),
        text(u"PWD"_s, 50),
        text(u"DABASE"_s, 50),
    });

    // This branch's name and code; the first row counts.
    schema.addTable(u"Q_Sube"_s, {
        identity(u"numara"_s),
        wideText(u"sube"_s, 100),
        datetime(u"tarih"_s),
        text(u"saat"_s, 8),
        text(u"Subekodu"_s, 10),
    });

    // Folders of a file exchange with their automatic flags; kept only.
    schema.addTable(u"Q_GTF"_s, {
        identity(u"Q_G"_s),
        text(u"stok"_s, 250),
        text(u"cari"_s, 250),
        text(u"siparis"_s, 250),
        text(u"satis"_s, 50),
        bit(u"st_auto"_s),
        bit(u"c_auto"_s),
        bit(u"sp_auto"_s),
        bit(u"sa_auto"_s),
    });
}

} // namespace ostrima
