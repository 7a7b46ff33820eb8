#pragma once

#include <QDate>
#include <QString>

namespace ostrima {

// What the main screen holds for the current terminal: the hall and table being worked on,
// who is logged in, who last authorised, the business date and the marks of a transfer.
// Operations take it by reference; the main screen shows it in controls of these names.
struct Session {
    QString pos_ed;      // current hall
    QString masano;      // current table
    QString cash_ed;     // logged-in cashier
    QString lblpcadi;    // client number of this terminal
    QString islemyapan;  // last authorising user; "1" or empty: none
    QDate tarih;         // business date
    QString adi_ed;      // check number of the current table
    QString cari_ed;     // account of the current check
    QString edtmasa;     // source table of a table transfer in progress
    QString edtsalon;    // its hall
    QString edtumasa;    // source table of an item transfer in progress
    QString edtpos;      // its hall
    QString edturun;     // source line (`QD_ID`) of the item transfer
    QString waiter;      // current waiter, set by the waiter-code prompts
    bool yazdirma = true; // printing switched on

    // The person an audit row names: the authoriser when one is shown, else the cashier.
    QString actingUser() const;
};

} // namespace ostrima
