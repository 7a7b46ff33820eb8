#pragma once

#include <vector>

#include <QString>

namespace ostrima {

class Db;

struct DemoUser {
    QString username, pwd, bolum;
    QString what; // who the user is and what the code may do
};

// The users the demo restaurant is loaded with, in the order they are created.
const std::vector<DemoUser>& demoUsers();

// Fills a new site with a demo restaurant (halls and tables, menu, printer routing to files
// under <siteDir>/printers, payment types, users, cash desks, this terminal's settings row
// for `clientId`, customer cards), all in one transaction. Throws UserError when the site
// already holds halls, products, users or a settings row for this terminal.
void loadDemoRestaurant(Db& db, const QString& siteDir, const QString& clientId);

} // namespace ostrima
