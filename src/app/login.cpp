#include "app/login.h"

#include "app/session.h"
#include "data/db.h"
#include "settings/terminal_settings.h"

namespace ostrima {

LoginResult login(Db& db, Session& session, const QString& clientId, const QString& code)
{
    LoginResult result;
    {
        // Users are read afresh at every attempt: a code changed at another terminal counts.
        // The scope ends the read before the next statement runs on the connection.
        Query users = db.exec(
            QStringLiteral("select username,pwd,bolum from Q_Userkontrol ORDER BY auto_no"));
        const QString kasiyer = QStringLiteral("Kasiyer");
        while (users.next()) {
            if (users.text(QStringLiteral("pwd")) == code
                && users.text(QStringLiteral("bolum")) == kasiyer) {
                result.matched = true;
                result.username = users.text(QStringLiteral("username"));
                break;
            }
        }
    }
    if (result.matched) {
        result.dpos = TerminalSettings::read(db, clientId).dpos;
        session.cash_ed = result.username;
        session.pos_ed = result.dpos;
        session.lblpcadi = clientId;
    }
    return result;
}

} // namespace ostrima
