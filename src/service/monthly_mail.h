#pragma once

#include <optional>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace ostrima {

class Clock;
class Db;
struct Session;

// Where the monthly notification goes: the file "mail.ini" of the site directory. Without the
// file (or without a server, sender or recipient in it) no mail is sent.
//
//   [smtp]
//   url=smtp://mail.example.com:587      (STARTTLS when the server offers it)
//       or smtps://mail.example.com:465  (TLS from the start)
//   user=pos@example.com                 (empty: no login)
//   password=secret
//   from=pos@example.com
//   to=owner@example.com, accountant@example.com
//
// A value holding ";" or "#" is written in double quotes.
struct MailSettings {
    QString url, user, password, from;
    QStringList to;
};
std::optional<MailSettings> readMailSettings(const QString& siteDir);

// The notification goes out on the first day of a month, each time the main screen is shown.
bool isMonthlyMailDay(const QDate& today);

struct MonthlyMail {
    QString subject; // the hall's caption1, caption2 and caption3, joined by single blanks
    QString body;    // the installation's name (`pcadi` of the first terminal row)
};
MonthlyMail composeMonthlyMail(const QString& caption1, const QString& caption2,
                               const QString& caption3, const QString& pcadi);

// The message as it goes over the wire: headers (the subject as UTF-8 encoded words) and the
// body in base64, lines ending in CR LF.
QByteArray mailText(const MailSettings& settings, const MonthlyMail& mail, const QDateTime& now);

// Sends in a thread of its own with short time-outs; every failure is ignored.
void sendInBackground(const MailSettings& settings, const QByteArray& text);

// The main screen's monthly notification for the session's hall: on the first of a month,
// when "mail.ini" names a server. Never blocks the screen and never fails.
void sendMonthlyMail(Db& db, const Session& session, const Clock& clock, const QString& siteDir);

} // namespace ostrima
