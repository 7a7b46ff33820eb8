#include "service/messages.h"

#include "data/db.h"

namespace ostrima {

using namespace Qt::StringLiterals;

std::optional<StaffMessage> firstMessage(Db& db)
{
    Query q = db.exec(u"SELECT M_ID, kime, mesaj FROM mesaj ORDER BY M_ID LIMIT 1"_s);
    if (!q.next())
        return std::nullopt;
    return StaffMessage{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()};
}

QString messageHtml(const StaffMessage& message)
{
    return u"<font size=\"24\"></font><font face=\"Tahoma\">   Mesaj:..  "_s +
           message.kime.toHtmlEscaped() + u"   "_s + message.mesaj.toHtmlEscaped() +
           u"<b></b></font>"_s;
}

void deleteMessage(Db& db, const StaffMessage& message)
{
    Transaction tx(db);
    db.exec(u"DELETE FROM mesaj WHERE M_ID = :id"_s, {{u"id"_s, message.id}});
    tx.commit();
}

} // namespace ostrima
