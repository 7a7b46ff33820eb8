#pragma once

#include <QDateTime>
#include <QString>

namespace ostrima {

class Clock;
class Db;
struct Session;

// The product banner at the start of the main window's caption.
QString productBanner();

// Number of open tables of a hall: those with an amount on their check.
int openTableCount(Db& db, const QString& hall);

// The main window's caption: banner, the long date and the time, the hall's open tables and
// the current user, e.g. "ostrima POS  11 Aralık 2026 Cuma  14:05:09  Açık-Masa : 3   Cashier: Ayşe".
QString mainCaption(const QDateTime& now, int openTables, const QString& user);
// The same for the session's hall and user, now.
QString mainCaption(Db& db, const Session& session, const Clock& clock);

} // namespace ostrima
