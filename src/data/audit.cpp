#include "data/audit.h"

#include "app/clock.h"
#include "app/session.h"
#include "data/db.h"

namespace ostrima {

void gunluk(Db& db, Session& session, const Clock& clock, const AuditEntry& entry)
{
    session.tarih = clock.today();
    const QString person = session.actingUser();

    QVariant total;
    QVariant adisyon;
    {
        Query header = db.exec(
            QStringLiteral("SELECT total, Adsno FROM Q_master_table WHERE hall_name = :h AND "
                           "Masa = :m"),
            {{QStringLiteral("h"), session.pos_ed}, {QStringLiteral("m"), session.masano}});
        if (header.next()) {
            total = header.value(QStringLiteral("total"));
            adisyon = header.value(QStringLiteral("Adsno"));
        }
    }

    const QString place = session.pos_ed + QStringLiteral("  ") + session.masano;
    const bool itemTransfer = entry.sebep == QLatin1String("U.Trans");
    const bool billTransfer = entry.sebep == QLatin1String("H.Trans");
    const QVariant noNumber; // written as NULL: the operation gave no number

    db.exec(QStringLiteral(
                "INSERT INTO Q_bugs (GUN,ZAMAN,garson,sebep,URUN_ADI,ADET,hall_name,masa,"
                "username,total,adisyon,item_trans,bill_trans,deta,indirim,servis) VALUES "
                "(:gun,:zaman,:garson,:sebep,:urun,:adet,:hall,:masa,:username,:total,:adisyon,"
                ":itrans,:btrans,:deta,:indirim,:servis)"),
            {{QStringLiteral("gun"), session.tarih},
             {QStringLiteral("zaman"), clock.timeText()},
             {QStringLiteral("garson"), person},
             {QStringLiteral("sebep"), entry.sebep},
             {QStringLiteral("urun"), entry.urunAdi},
             {QStringLiteral("adet"), entry.adet ? QVariant(*entry.adet) : noNumber},
             {QStringLiteral("hall"), session.pos_ed},
             {QStringLiteral("masa"), session.masano},
             {QStringLiteral("username"), person},
             {QStringLiteral("total"), total.isNull() ? noNumber : total},
             {QStringLiteral("adisyon"), adisyon.isNull() ? noNumber : adisyon},
             {QStringLiteral("itrans"), itemTransfer ? place : QString()},
             {QStringLiteral("btrans"), billTransfer ? place : QString()},
             {QStringLiteral("deta"), entry.deta},
             {QStringLiteral("indirim"), noNumber},
             {QStringLiteral("servis"), noNumber}});
}

} // namespace ostrima
