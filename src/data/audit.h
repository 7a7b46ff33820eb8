#pragma once

#include <optional>

#include <QString>

namespace ostrima {

class Clock;
class Db;
struct Session;

// What an operation tells the audit log; anything it leaves out is written empty.
struct AuditEntry {
    QString sebep;               // the operation
    QString urunAdi;             // subject
    std::optional<double> adet;  // quantity
    QString deta;                // details
};

// The common audit routine: one `Q_bugs` row from the entry and the main screen's context
// (business date set to today, acting user, current hall and table with the header's total
// and check number, transfer columns only for "U.Trans" and "H.Trans").
void gunluk(Db& db, Session& session, const Clock& clock, const AuditEntry& entry);

} // namespace ostrima
