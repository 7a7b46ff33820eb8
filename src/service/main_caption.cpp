#include "service/main_caption.h"

#include <QLocale>

#include "app/clock.h"
#include "app/session.h"
#include "data/db.h"

namespace ostrima {

using namespace Qt::StringLiterals;

QString productBanner() { return u"ostrima POS"_s; }

int openTableCount(Db& db, const QString& hall)
{
    return db
        .scalar(u"SELECT COUNT(*) FROM Q_master_table WHERE hall_name = :posbak AND "
                u"subtotal <> 0"_s,
                {{u"posbak"_s, hall}})
        .toInt();
}

QString mainCaption(const QDateTime& now, int openTables, const QString& user)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return productBanner() + u"  "_s + turkish.toString(now.date(), QLocale::LongFormat) +
           u"  "_s + now.time().toString(u"HH:mm:ss"_s) + u"  Açık-Masa : "_s +
           QString::number(openTables) + u"   Cashier: "_s + user;
}

QString mainCaption(Db& db, const Session& session, const Clock& clock)
{
    return mainCaption(clock.now(), openTableCount(db, session.pos_ed), session.cash_ed);
}

} // namespace ostrima
