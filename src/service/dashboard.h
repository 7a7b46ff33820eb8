#pragma once

#include <vector>

#include <QString>

namespace ostrima {

class Db;

struct BestSeller {
    QString name;     // `ReceteAdi`
    double quantity = 0;
};

// The management dashboard of the main screen, over every hall's open checks.
struct Dashboard {
    double openAmount = 0;   // sum of `subtotal`
    double averageCheck = 0; // average `subtotal` of the tables with an amount
    double occupancy = 0;    // percent of tables with an amount and a waiter
    std::vector<BestSeller> bestSellers; // at most three, highest quantity first
    double barCapacity = 0;  // the sum of the best sellers' quantities
    bool failed = false;     // the database could not be read: show the occupancy as 0
};

// Two statements whatever the number of tables and lines.
Dashboard readDashboard(Db& db);

// Whether timed products are defined, so the check panel shows the game-time fields.
bool hasTimedGames(Db& db);

} // namespace ostrima
