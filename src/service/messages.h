#pragma once

#include <optional>

#include <QString>

namespace ostrima {

class Db;

// A message to the staff (`mesaj`), shown on the main screen until someone deletes it.
struct StaffMessage {
    qint64 id = 0; // `M_ID`
    QString kime;  // addressee
    QString mesaj;
};

// The oldest message, if any.
std::optional<StaffMessage> firstMessage(Db& db);

// The alert window's text of a message. The texts are escaped: a message is shown as typed.
QString messageHtml(const StaffMessage& message);

// Deletes the message that was shown, not whatever is oldest by now: another terminal may
// have deleted it already, and the next one must not go unseen. Throws DbError, which the
// caller ignores.
void deleteMessage(Db& db, const StaffMessage& message);

} // namespace ostrima
