#pragma once

#include <span>

#include <QStringView>

namespace ostrima {

class Db;

// Production departments of the demo restaurant; each prints to a file of its own.
inline constexpr QStringView kMutfak = u"MUTFAK";
inline constexpr QStringView kIzgara = u"IZGARA";
inline constexpr QStringView kTatli = u"TATLI";
inline constexpr QStringView kBar = u"BAR";

// A sellable product group and the department that produces it.
struct DemoGroup {
    QStringView grup;
    QStringView category;
    QStringView fatura;
    double kdv;
    QStringView department;
    bool stok; // bought and stocked as it is sold (drinks)
};

// The sellable groups in the order of their tiles (`articel_id`).
std::span<const DemoGroup> demoGroups();

// Groups, ingredients, products, recipes, product and group features.
void loadDemoMenu(Db& db);

} // namespace ostrima
