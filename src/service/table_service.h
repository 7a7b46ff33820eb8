#pragma once

#include <QString>
#include <QStringList>

namespace ostrima {

class Clock;
class Db;
class Interaction;
struct HallSettings;
struct Session;

// What the main screen does next after a click on the map.
enum class TableClick {
    Nothing,           // nothing to do (no table selected, or the table is gone)
    NewTableRequested, // an empty cell: the new-table flow
    TransferRequested, // a table or item transfer in progress takes the clicked table
    Blocked,           // a blocked table; the "Blokeli Masa" message was shown
    ShowCheck,         // the table has lines: show its check
    OpenOrderScreen,   // open the order screen on the current table
    Cancelled,         // a prompt was cancelled or a question answered no; nothing written
};

// The table operations of the main screen: selecting and opening tables, ad-hoc tables, the
// terminal lock and the hall choice. Every question goes through the Interaction; every
// write is one transaction.
class TableService {
public:
    TableService(Db& db, Session& session, Interaction& ui, const Clock& clock);

    // A click on a map cell (`gridClickCell`). Opening a free table writes its cover charge
    // `kuv_tut` and guests `pax` to the header before the order screen opens.
    TableClick gridClickCell(const QString& cellText);
    // A double click (`gridDblClickCell`): add to the selected table.
    TableClick gridDblClickCell();

    // Whether the hall lets tables be created on the map (`masaac`); shows the refusal
    // message when it does not.
    bool canCreateTables(const QString& hall);
    // Table codes used on checks before, for the new-table screen's list.
    QStringList usedTableCodes();
    // Creates an ad-hoc table in the current hall after the last one. Refuses, with a
    // message, an empty code or one that the hall already has (the same table under the key
    // rule: "12" and "12 " are one table). Two terminals creating the same code at once
    // cannot both succeed.
    bool createAdHocTable(const QString& code);
    // The created table becomes the current table and the waiter is asked for (with the
    // number of guests where the hall asks for it); cover and guests are not written here.
    TableClick openNewTable(const QString& code);

    // "Kilit": the cashier prompt that cannot be cancelled; it sets the current user.
    void lock();
    // A hall chosen in the hall list; false when its password prompt was cancelled, which
    // leaves no current hall (an empty map).
    bool selectHall(const QString& hall);

private:
    struct Header {
        bool found = false;
        QString waiter;
        bool printed = false;
        bool hasLines = false;
    };
    Header readHeader();
    void tellBlocked();
    TableClick openFreeTable();
    QString waiterOfCode(const QString& code);

    Db& m_db;
    Session& m_session;
    Interaction& m_ui;
    const Clock& m_clock;
};

// Keys of the new-table keypad: digits and the letters A to Z except X.
const QStringList& newTableKeys();
// The code after a key of the new-table keypad: appended only while the code is shorter than
// five characters; a code "0" is replaced by the key. Other keys change nothing.
QString newTableCodeAfterKey(const QString& code, const QString& key);
// The code after the back key: the last character goes; an emptied code becomes "0"; "0"
// stays as it is.
QString newTableCodeAfterBack(const QString& code);

// Counts the Enter presses of a run: true exactly at the third, never again.
class EnterCounter {
public:
    bool press();

private:
    int m_presses = 0;
};

// The master code that opens the maintenance, terminal and branch settings.
bool isMasterCode(const QString& code);

} // namespace ostrima
