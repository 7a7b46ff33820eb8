#include "data/demo_menu.h"

#include <cmath>
#include <stdexcept>

#include <QHash>
#include <QString>

#include "data/db.h"
#include "data/row_writer.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kCorbalar = u"ÇORBALAR";
constexpr QStringView kAraSicaklar = u"ARA SICAKLAR";
constexpr QStringView kSalatalar = u"SALATALAR";
constexpr QStringView kIzgaralar = u"IZGARALAR";
constexpr QStringView kPideler = u"PİDELER";
constexpr QStringView kTatlilar = u"TATLILAR";
constexpr QStringView kSogukIcecekler = u"SOĞUK İÇECEKLER";
constexpr QStringView kSicakIcecekler = u"SICAK İÇECEKLER";
constexpr QStringView kAlkol = u"ALKOLLÜ İÇECEKLER";
// Ingredients have a stock group of their own, which no hall sells.
constexpr QStringView kHammadde = u"HAMMADDE";

constexpr QStringView kPorsiyon = u"Porsiyon";
constexpr QStringView kAdet = u"Adet";
constexpr QStringView kKg = u"Kg";
constexpr QStringView kLt = u"Lt";

// clang-format off
constexpr DemoGroup kGroups[] = {
    // grup             category    fatura    KDV  department  stok
    {kCorbalar,       u"Yiyecek", u"KDV10", 10, kMutfak, false},
    {kAraSicaklar,    u"Yiyecek", u"KDV10", 10, kMutfak, false},
    {kSalatalar,      u"Yiyecek", u"KDV10", 10, kMutfak, false},
    {kIzgaralar,      u"Yiyecek", u"KDV10", 10, kIzgara, false},
    {kPideler,        u"Yiyecek", u"KDV10", 10, kMutfak, false},
    {kTatlilar,       u"Yiyecek", u"KDV10", 10, kTatli,  false},
    {kSogukIcecekler, u"İçecek",  u"KDV10", 10, kBar,    true},
    {kSicakIcecekler, u"İçecek",  u"KDV10", 10, kBar,    false},
    {kAlkol,          u"Alkol",   u"KDV20", 20, kBar,    true},
};
// clang-format on

struct Ingredient {
    QStringView kodu;
    QStringView adi;
    QStringView birim;
    double maliyet; // per unit
    double kdv;
};

// clang-format off
constexpr Ingredient kIngredients[] = {
    {u"HM001", u"Kıyma",          kKg,   650, 10},
    {u"HM002", u"Kuzu Eti",       kKg,   800, 10},
    {u"HM003", u"Tavuk Göğsü",    kKg,   260, 10},
    {u"HM004", u"Mercimek",       kKg,    70, 10},
    {u"HM005", u"Un",             kKg,    25, 10},
    {u"HM006", u"Süt",            kLt,    35, 10},
    {u"HM007", u"Kahve",          kKg,   900, 10},
    {u"HM008", u"Çay",            kKg,   350, 10},
    {u"HM009", u"Kaşar Peyniri",  kKg,   450, 10},
    {u"HM010", u"Yumurta",        kAdet,   5, 10},
    {u"HM011", u"Domates",        kKg,    30, 10},
    {u"HM012", u"Soğan",          kKg,    15, 10},
    {u"HM013", u"Antep Fıstığı",  kKg,  1200, 10},
    {u"HM014", u"Tel Kadayıf",    kKg,   120, 10},
    {u"HM015", u"Rakı 70cl",      kAdet, 1300, 20},
    {u"HM016", u"Pirinç",         kKg,    60, 10},
    {u"HM017", u"Tereyağı",       kKg,   400, 10},
    {u"HM018", u"Lavaş",          kAdet,   4, 10},
};
// clang-format on

enum ProductFlag : unsigned {
    Fav = 1,     // on the favourites list (ENHIT)
    Options = 2, // the features dialog opens first (secenek)
    Scale = 4,   // sold by weight (terazi)
    Stocked = 8, // bought and sold as it is (STOK)
};

struct Product {
    QStringView kodu;
    QStringView adi;
    QStringView grup;
    double fiyat; // price level 1; -1: the price is asked at the sale
    double maliyet;
    QStringView birim;
    int satno = 0; // quick-sale number, 0 for none
    unsigned flags = 0;
    double bgnsat = 0; // portions left before the critical-stock warning, 0 not counted
};

// clang-format off
constexpr Product kProducts[] = {
    {u"CRB001", u"Mercimek Çorbası",      kCorbalar,    120,  30, kPorsiyon, 1, Fav | Options},
    {u"CRB002", u"Ezogelin Çorbası",      kCorbalar,    120,  30, kPorsiyon},
    {u"CRB003", u"Yayla Çorbası",         kCorbalar,    120,  28, kPorsiyon},
    {u"CRB004", u"İşkembe Çorbası",       kCorbalar,    180,  60, kPorsiyon},
    {u"CRB005", u"Tavuk Suyu Çorbası",    kCorbalar,    130,  35, kPorsiyon},

    {u"ARA001", u"Sigara Böreği",         kAraSicaklar, 150,  40, kPorsiyon},
    {u"ARA002", u"İçli Köfte",            kAraSicaklar,  90,  30, kAdet},
    {u"ARA003", u"Paçanga Böreği",        kAraSicaklar, 170,  55, kPorsiyon},
    {u"ARA004", u"Kaşarlı Mantar",        kAraSicaklar, 160,  50, kPorsiyon},
    {u"ARA005", u"Humus",                 kAraSicaklar, 140,  35, kPorsiyon},
    {u"ARA006", u"Patates Kızartması",    kAraSicaklar, 110,  25, kPorsiyon},

    {u"SLT001", u"Çoban Salata",          kSalatalar,   110,  25, kPorsiyon, 0, Options},
    {u"SLT002", u"Gavurdağı Salatası",    kSalatalar,   140,  40, kPorsiyon},
    {u"SLT003", u"Mevsim Salata",         kSalatalar,   100,  22, kPorsiyon},
    {u"SLT004", u"Piyaz",                 kSalatalar,   120,  30, kPorsiyon},
    {u"SLT005", u"Acılı Ezme",            kSalatalar,   100,  20, kPorsiyon},

    {u"IZG001", u"Adana Kebap",           kIzgaralar,   380, 150, kPorsiyon, 2, Fav | Options},
    {u"IZG002", u"Urfa Kebap",            kIzgaralar,   380, 150, kPorsiyon, 3, Options},
    {u"IZG003", u"Izgara Köfte",          kIzgaralar,   320, 120, kPorsiyon},
    {u"IZG004", u"Kuzu Şiş",              kIzgaralar,   450, 190, kPorsiyon, 0, Options},
    {u"IZG005", u"Tavuk Şiş",             kIzgaralar,   280,  90, kPorsiyon},
    {u"IZG006", u"Beyti Sarma",           kIzgaralar,   420, 160, kPorsiyon},
    {u"IZG007", u"Karışık Izgara",        kIzgaralar,   650, 260, kPorsiyon},
    {u"IZG008", u"Çöp Şiş",               kIzgaralar,   340, 130, kPorsiyon},
    {u"IZG009", u"Kuzu Pirzola (kg)",     kIzgaralar,  2400, 1100, kKg,      0, Scale | Options},
    {u"IZG010", u"Günün Balığı",          kIzgaralar,    -1, 250, kPorsiyon},
    {u"IZG011", u"Kuzu Tandır",           kIzgaralar,   480, 200, kPorsiyon, 0, 0, 12},

    {u"PID001", u"Kuşbaşılı Pide",        kPideler,     300, 110, kAdet, 4, Options},
    {u"PID002", u"Kıymalı Pide",          kPideler,     260,  90, kAdet, 0, Options},
    {u"PID003", u"Kaşarlı Pide",          kPideler,     220,  70, kAdet, 0, Options},
    {u"PID004", u"Karışık Pide",          kPideler,     320, 120, kAdet},
    {u"PID005", u"Sucuklu Kaşarlı Pide",  kPideler,     290, 100, kAdet},
    {u"PID006", u"Lahmacun",              kPideler,     110,  35, kAdet},

    {u"TTL001", u"Künefe",                kTatlilar,    180,  60, kPorsiyon, 5, Fav | Options},
    {u"TTL002", u"Fıstıklı Baklava",      kTatlilar,    200,  80, kPorsiyon},
    {u"TTL003", u"Fırın Sütlaç",          kTatlilar,    120,  35, kPorsiyon, 0, 0, 12},
    {u"TTL004", u"Kazandibi",             kTatlilar,    120,  35, kPorsiyon},
    {u"TTL005", u"Katmer",                kTatlilar,    220,  80, kPorsiyon},
    {u"TTL006", u"Dondurma (3 Top)",      kTatlilar,    100,  30, kPorsiyon},

    {u"SGK001", u"Ayran",                 kSogukIcecekler, 40, 12, kAdet, 6, Fav | Stocked},
    {u"SGK002", u"Kola",                  kSogukIcecekler, 60, 22, kAdet, 7, Stocked},
    {u"SGK003", u"Gazoz",                 kSogukIcecekler, 50, 18, kAdet, 0, Stocked},
    {u"SGK004", u"Şalgam",                kSogukIcecekler, 45, 14, kAdet, 0, Stocked},
    {u"SGK005", u"Su (0,5 Lt)",           kSogukIcecekler, 20,  5, kAdet, 8, Stocked},
    {u"SGK006", u"Maden Suyu",            kSogukIcecekler, 35, 10, kAdet, 0, Stocked},
    {u"SGK007", u"Taze Portakal Suyu",    kSogukIcecekler, 90, 30, kAdet},
    {u"SGK008", u"Ev Yapımı Limonata",    kSogukIcecekler, 70, 20, kAdet},

    {u"SCK001", u"Çay",                   kSicakIcecekler, 20,  4, kAdet, 9, Fav},
    {u"SCK002", u"Türk Kahvesi",          kSicakIcecekler, 70, 18, kAdet, 10, Fav | Options},
    {u"SCK003", u"Sütlü Kahve",           kSicakIcecekler, 80, 20, kAdet},
    {u"SCK004", u"Bitki Çayı",            kSicakIcecekler, 50, 10, kAdet},
    {u"SCK005", u"Sahlep",                kSicakIcecekler, 80, 22, kAdet},
    {u"SCK006", u"Fincan Çay",            kSicakIcecekler, 35,  7, kAdet},

    {u"ALK001", u"Rakı (Tek)",            kAlkol,  220,   60, kAdet, 11, Options},
    {u"ALK002", u"Rakı (35cl Şişe)",      kAlkol, 1400,  700, kAdet, 0, Stocked},
    {u"ALK003", u"Rakı (70cl Şişe)",      kAlkol, 2600, 1300, kAdet},
    {u"ALK004", u"Bira (50cl)",           kAlkol,  150,   55, kAdet, 12, Stocked},
    {u"ALK005", u"Kırmızı Şarap (Kadeh)", kAlkol,  250,   80, kAdet},
    {u"ALK006", u"Beyaz Şarap (Kadeh)",   kAlkol,  250,   80, kAdet},
    {u"ALK007", u"Kırmızı Şarap (Şişe)",  kAlkol, 1200,  450, kAdet, 0, Stocked},
};
// clang-format on

// What one unit of a product consumes; `firemik` is waste booked once per sold line.
struct RecipeLine {
    QStringView urun;
    QStringView stok;
    double miktar;
    double firemik = 0;
};

// clang-format off
constexpr RecipeLine kRecipes[] = {
    {u"CRB001", u"HM004", 0.08}, {u"CRB001", u"HM012", 0.02}, {u"CRB001", u"HM017", 0.01},
    {u"CRB002", u"HM004", 0.06}, {u"CRB002", u"HM016", 0.02}, {u"CRB002", u"HM012", 0.02},
    {u"ARA001", u"HM005", 0.05}, {u"ARA001", u"HM009", 0.04},
    {u"ARA004", u"HM009", 0.06}, {u"ARA004", u"HM017", 0.01},
    {u"SLT001", u"HM011", 0.15}, {u"SLT001", u"HM012", 0.03},
    {u"SLT005", u"HM011", 0.10}, {u"SLT005", u"HM012", 0.02},
    {u"IZG001", u"HM001", 0.18}, {u"IZG001", u"HM018", 1}, {u"IZG001", u"HM011", 0.05},
    {u"IZG001", u"HM012", 0.03},
    {u"IZG002", u"HM001", 0.18}, {u"IZG002", u"HM018", 1}, {u"IZG002", u"HM011", 0.05},
    {u"IZG002", u"HM012", 0.03},
    {u"IZG003", u"HM001", 0.20}, {u"IZG003", u"HM012", 0.02}, {u"IZG003", u"HM010", 0.5},
    {u"IZG004", u"HM002", 0.22, 0.02}, {u"IZG004", u"HM011", 0.05}, {u"IZG004", u"HM018", 1},
    {u"IZG005", u"HM003", 0.22}, {u"IZG005", u"HM016", 0.08},
    {u"IZG006", u"HM001", 0.18}, {u"IZG006", u"HM018", 1}, {u"IZG006", u"HM017", 0.02},
    {u"IZG007", u"HM001", 0.10}, {u"IZG007", u"HM002", 0.10}, {u"IZG007", u"HM003", 0.10},
    {u"IZG007", u"HM018", 1},
    {u"IZG008", u"HM002", 0.18, 0.01}, {u"IZG008", u"HM018", 1},
    {u"IZG009", u"HM002", 1},
    {u"IZG011", u"HM002", 0.30, 0.03}, {u"IZG011", u"HM016", 0.08}, {u"IZG011", u"HM017", 0.02},
    {u"PID001", u"HM005", 0.15}, {u"PID001", u"HM002", 0.10}, {u"PID001", u"HM011", 0.03},
    {u"PID001", u"HM017", 0.01},
    {u"PID002", u"HM005", 0.15}, {u"PID002", u"HM001", 0.10}, {u"PID002", u"HM012", 0.03},
    {u"PID003", u"HM005", 0.15}, {u"PID003", u"HM009", 0.10}, {u"PID003", u"HM017", 0.01},
    {u"PID004", u"HM005", 0.15}, {u"PID004", u"HM001", 0.06}, {u"PID004", u"HM009", 0.06},
    {u"PID004", u"HM010", 1},
    {u"PID006", u"HM005", 0.08}, {u"PID006", u"HM001", 0.05}, {u"PID006", u"HM011", 0.03},
    {u"PID006", u"HM012", 0.02},
    {u"TTL001", u"HM014", 0.10}, {u"TTL001", u"HM009", 0.08}, {u"TTL001", u"HM017", 0.03},
    {u"TTL001", u"HM013", 0.01},
    {u"TTL003", u"HM006", 0.25}, {u"TTL003", u"HM016", 0.03},
    {u"TTL004", u"HM006", 0.25}, {u"TTL004", u"HM005", 0.02},
    {u"SCK001", u"HM008", 0.005},
    {u"SCK002", u"HM007", 0.007},
    {u"SCK003", u"HM007", 0.008}, {u"SCK003", u"HM006", 0.15},
    {u"SCK005", u"HM006", 0.20},
    {u"SCK006", u"HM008", 0.008},
    {u"ALK001", u"HM015", 0.07},
    {u"ALK003", u"HM015", 1},
};
// clang-format on

// A choice or extra offered for one product; `stok` is what the extra consumes, if anything.
struct Feature {
    QStringView urun;
    QStringView detay;
    double fiyat = 0;
    QStringView stok = {};
    double miktar = 0;
};

constexpr Feature kFeatures[] = {
    {u"CRB001", u"Limonlu"},
    {u"CRB001", u"Ekstra Tereyağlı", 10, u"HM017", 0.01},
    {u"IZG001", u"Acılı"},
    {u"IZG001", u"Acısız"},
    {u"IZG001", u"Ekstra Lavaş", 10, u"HM018", 1},
    {u"IZG002", u"Ekstra Lavaş", 10, u"HM018", 1},
    {u"IZG002", u"Yanında Pilav", 40, u"HM016", 0.08},
    {u"IZG004", u"Az Pişmiş"},
    {u"IZG004", u"Orta Pişmiş"},
    {u"IZG004", u"İyi Pişmiş"},
    {u"IZG009", u"Az Pişmiş"},
    {u"IZG009", u"Orta Pişmiş"},
    {u"IZG009", u"İyi Pişmiş"},
    {u"SLT001", u"Soğansız"},
    {u"SLT001", u"Nar Ekşili"},
    {u"PID001", u"Ekstra Kaşar", 15, u"HM009", 0.05},
    {u"PID001", u"Yumurtalı", 15, u"HM010", 1},
    {u"PID001", u"Acılı"},
    {u"PID002", u"Ekstra Kaşar", 15, u"HM009", 0.05},
    {u"PID002", u"Yumurtalı", 15, u"HM010", 1},
    {u"PID003", u"Ekstra Kaşar", 15, u"HM009", 0.05},
    {u"PID003", u"Tereyağlı", 10, u"HM017", 0.01},
    {u"TTL001", u"Dondurmalı", 40},
    {u"TTL001", u"Ekstra Fıstık", 20, u"HM013", 0.01},
};

// Features every product of a group offers.
struct SharedFeature {
    QStringView grup;
    QStringView ozellik;
    double fiyat = 0;
    QStringView stok = {};
    double miktar = 0;
};

constexpr SharedFeature kSharedFeatures[] = {
    {kCorbalar, u"Limonlu"},
    {kCorbalar, u"Pul Biberli"},
    {kCorbalar, u"Kıtır Ekmekli"},
    {kIzgaralar, u"Soğansız"},
    {kIzgaralar, u"Bol Soğanlı"},
    {kIzgaralar, u"Pilav Yerine Bulgur"},
    {kSogukIcecekler, u"Buzlu"},
    {kSogukIcecekler, u"Buzsuz"},
    {kSogukIcecekler, u"Limonlu"},
    {kSicakIcecekler, u"Şekersiz"},
    {kSicakIcecekler, u"Az Şekerli"},
    {kSicakIcecekler, u"Orta Şekerli"},
    {kSicakIcecekler, u"Şekerli"},
    {kSicakIcecekler, u"Sütlü", 10, u"HM006", 0.05},
    {kAlkol, u"Buzlu"},
    {kAlkol, u"Buzsuz"},
    {kAlkol, u"Yanında Su"},
};

template <typename T, size_t N> const T& byCode(const T (&rows)[N], QStringView code)
{
    for (const T& row : rows) {
        if (row.kodu == code)
            return row;
    }
    throw std::logic_error("demo menu refers to an unknown code");
}

const DemoGroup& groupOf(const Product& product)
{
    for (const DemoGroup& g : kGroups) {
        if (g.grup == product.grup)
            return g;
    }
    throw std::logic_error("demo product in an unknown group");
}

// Empty texts are written as empty, not NULL: readers test them with = ''.
QString str(QStringView v)
{
    return v.isEmpty() ? u""_s : v.toString();
}

double cents(double value)
{
    return std::round(value * 100) / 100;
}

// Levels 2 to 4 (terrace, garden, takeaway) sit a little above level 1, rounded up to whole
// lira, from 100 lira on to 5 lira. A price asked at the sale is asked on every level.
double levelPrice(double base, int level)
{
    static constexpr double kFactor[] = {1.0, 1.15, 1.10, 1.05};
    if (base < 0)
        return base;
    const double step = base >= 100 ? 5 : 1;
    return std::ceil(base * kFactor[level - 1] / step - 1e-9) * step;
}

void insertGroups(Db& db)
{
    auto insertGroup = [&db](QStringView grup, QStringView category, QStringView fatura,
                             bool stok) {
        insertRow(db, u"Q_Grups"_s,
                  {{u"Grup"_s, str(grup)},
                   {u"CATEGORY"_s, str(category)},
                   {u"TYPE"_s, u""_s},
                   {u"STOK"_s, stok},
                   {u"fatura"_s, str(fatura)},
                   {u"xchol"_s, false},
                   {u"sirket"_s, u""_s}});
    };
    for (const DemoGroup& g : kGroups)
        insertGroup(g.grup, g.category, g.fatura, g.stok);
    insertGroup(kHammadde, u"Malzeme", u"KDV10", true);
}

// Columns every item row carries the same way: reserved, descriptive or unused ones.
Row itemRow(QStringView kodu, QStringView adi, QStringView grup)
{
    return {{u"KODU"_s, str(kodu)},  {u"ADI"_s, str(adi)},    {u"TANIMI"_s, u""_s},
            {u"GRUP"_s, str(grup)},  {u"YARIMAMUL"_s, false}, {u"BIRIMAGR"_s, 0.0},
            {u"BIRIMMIK"_s, 1.0},    {u"AMBMIKTAR"_s, u""_s}, {u"BARKOD"_s, u""_s},
            {u"fixmenu"_s, false},   {u"satis_dur"_s, false}, {u"receno"_s, str(kodu)},
            {u"DURUM"_s, u""_s},     {u"KALITE"_s, u""_s},    {u"ACIKLAMA"_s, u""_s},
            {u"BRMKATSAYI"_s, 0.0},  {u"MIN_MIK"_s, 0.0},     {u"KULL_MIK"_s, 0.0},
            {u"STOKTAKIP"_s, u""_s}, {u"ADOVIZ_ID"_s, 0},     {u"DOVIZ_FIYAT"_s, 0.0},
            {u"MINFIYAT"_s, 0.0},    {u"AMBBARKOD"_s, u""_s}, {u"URETICI"_s, u""_s}};
}

void insertIngredients(Db& db)
{
    int sira = 0;
    for (const Ingredient& i : kIngredients) {
        Row row = itemRow(i.kodu, i.adi, kHammadde);
        row.insert(row.end(), {{u"URUN"_s, false},
                               {u"STOK"_s, true},
                               {u"MALZ"_s, true},
                               {u"SFIYAT"_s, 0.0},
                               {u"sfiyat2"_s, 0.0},
                               {u"sfiyat3"_s, 0.0},
                               {u"sfiyat4"_s, 0.0},
                               {u"AFIYAT"_s, i.maliyet},
                               {u"MALIYET"_s, i.maliyet},
                               {u"KDV"_s, i.kdv},
                               {u"BIRIM"_s, str(i.birim)},
                               {u"SIRA"_s, ++sira},
                               {u"SATNO"_s, 0.0},
                               {u"secenek"_s, false},
                               {u"terazi"_s, false},
                               {u"ENHIT"_s, false},
                               {u"BGNSAT"_s, 0.0}});
        insertRow(db, u"Q_ITEMS"_s, row);
    }
}

void insertProducts(Db& db)
{
    QHash<QString, int> position; // tile position within each group
    for (const Product& p : kProducts) {
        Row row = itemRow(p.kodu, p.adi, p.grup);
        row.insert(row.end(), {{u"URUN"_s, true},
                               {u"STOK"_s, (p.flags & Stocked) != 0},
                               {u"MALZ"_s, false},
                               {u"SFIYAT"_s, p.fiyat},
                               {u"sfiyat2"_s, levelPrice(p.fiyat, 2)},
                               {u"sfiyat3"_s, levelPrice(p.fiyat, 3)},
                               {u"sfiyat4"_s, levelPrice(p.fiyat, 4)},
                               {u"AFIYAT"_s, p.maliyet},
                               {u"MALIYET"_s, p.maliyet},
                               {u"KDV"_s, groupOf(p).kdv},
                               {u"BIRIM"_s, str(p.birim)},
                               {u"SIRA"_s, ++position[str(p.grup)]},
                               {u"SATNO"_s, double(p.satno)},
                               {u"secenek"_s, (p.flags & Options) != 0},
                               {u"terazi"_s, (p.flags & Scale) != 0},
                               {u"ENHIT"_s, (p.flags & Fav) != 0},
                               {u"BGNSAT"_s, p.bgnsat}});
        insertRow(db, u"Q_ITEMS"_s, row);
    }
}

void insertRecipes(Db& db)
{
    for (const RecipeLine& r : kRecipes) {
        const Product& product = byCode(kProducts, r.urun);
        const Ingredient& stok = byCode(kIngredients, r.stok);
        const double tutar = cents(r.miktar * stok.maliyet);
        // Share of the line in the product's price; none for a price asked at the sale.
        const double oran = product.fiyat > 0 ? cents(100 * tutar / product.fiyat) : 0;
        insertRow(db, u"Q_ITEMS_DETAY"_s,
                  {{u"ReceteKodu"_s, str(product.kodu)},
                   {u"StokKodu"_s, str(stok.kodu)},
                   {u"StokAdi"_s, str(stok.adi)},
                   {u"Miktar"_s, r.miktar},
                   {u"Fiyati"_s, stok.maliyet},
                   {u"Tutar"_s, tutar},
                   {u"afiyat"_s, stok.maliyet},
                   {u"AMBMIKTAR"_s, str(stok.birim)},
                   {u"KDV"_s, stok.kdv},
                   {u"receno"_s, str(product.kodu)},
                   {u"bmiktar"_s, 1.0},
                   {u"oran"_s, oran},
                   {u"firemik"_s, r.firemik},
                   {u"firetut"_s, cents(r.firemik * stok.maliyet)},
                   {u"URUN_IDNO"_s, 0}});
    }
}

void insertFeatures(Db& db)
{
    for (const Feature& f : kFeatures) {
        const Product& product = byCode(kProducts, f.urun);
        if (!f.stok.isEmpty())
            byCode(kIngredients, f.stok); // a feature consumes a known stock item
        insertRow(db, u"Q_ITEMS_DETAYX"_s,
                  {{u"receno"_s, str(product.kodu)},
                   {u"DETAY"_s, str(f.detay)},
                   {u"FIYAT"_s, f.fiyat},
                   {u"KODU"_s, str(f.stok)},
                   {u"ADI"_s, str(product.adi)},
                   {u"miktar"_s, f.miktar}});
    }
    for (const SharedFeature& f : kSharedFeatures) {
        const QString unit = f.stok.isEmpty() ? u""_s : str(byCode(kIngredients, f.stok).birim);
        insertRow(db, u"Q_ITEMS_ORTAK"_s,
                  {{u"ADI"_s, str(f.grup)},
                   {u"OZELLIK"_s, str(f.ozellik)},
                   {u"FIYAT"_s, f.fiyat},
                   {u"KODU"_s, str(f.stok)},
                   {u"AMBMIKTAR"_s, unit},
                   {u"miktar"_s, f.miktar}});
    }
}

} // namespace

std::span<const DemoGroup> demoGroups()
{
    return kGroups;
}

void loadDemoMenu(Db& db)
{
    insertGroups(db);
    insertIngredients(db);
    insertProducts(db);
    insertRecipes(db);
    insertFeatures(db);
}

} // namespace ostrima
