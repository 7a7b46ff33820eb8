#pragma once

#include <QString>

namespace ostrima {

class Db;
struct Session;

struct LoginResult {
    bool matched = false;
    QString username;
    QString dpos; // the terminal's default hall; empty when the terminal has no settings row
};

// The login screen's OK: the code opens the terminal for the first user, in table order,
// whose `pwd` equals it and whose role is "Kasiyer" (both compared exactly). On a match the
// session gets the user, the terminal's default hall and its client number. Reads only.
LoginResult login(Db& db, Session& session, const QString& clientId, const QString& code);

} // namespace ostrima
