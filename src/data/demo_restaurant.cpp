#include "data/demo_restaurant.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include <QDate>
#include <QDir>

#include "data/db.h"
#include "data/db_error.h"
#include "data/demo_menu.h"
#include "data/row_writer.h"
#include "data/schema.h"
#include "service/table_header.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kRestaurant = u"ÇINARLI KONAK OCAKBAŞI";
constexpr QStringView kInstallation = u"Çınarlı Konak Ocakbaşı";
constexpr QStringView kAddress = u"Çınarlı Sok. No:7 Merkez - Tel: 0 222 555 01 07";
// Colour of a table whose last order is older than the hall's `sure`; purple reads the same
// whichever byte order a colour number is taken in.
constexpr QStringView kLateColour = u"8388736";

struct Hall {
    QStringView name;
    QStringView file;           // its check and fiscal printers: adisyon-<file>.prn, fis-<file>.prn
    QStringView tableCode = {}; // prefix of the permanent tables' codes
    QStringView tableName = {}; // "Bahçe" names table B3 "Bahçe 3"
    int tables = 0;             // permanent tables
    bool takeaway = false;
    bool viewTable = false;
    double sure = 30;
    bool masaac = false;
    bool kuversor = false;
    double kuverfiyat = 0;
    bool askWaiter = false;
    bool askMrs = false;
    int fiyattipi = 1;
    double azyuzde = 80;
    QStringView footer = u"Afiyet olsun";
    bool cariadres = false;
    bool dvz = false;
    bool malifis = false;
    bool askBack = true;
    bool askDisc = true;
    bool askSer = false;
    bool askTransfer = false; // both table and item transfer
    bool priceChange = true;
    bool autoCustInd = true;
    bool odenmezIkram = true;
    bool odenmezCari = false;
};

// Halls whose `masaac` is on lose every table row at closing, so the terrace has no permanent
// tables: all of them are opened with "Yeni Masa".
// clang-format off
constexpr Hall kHalls[] = {
    {.name = u"SALON", .file = u"salon", .tableName = u"Masa", .tables = 24,
     .askWaiter = true, .askMrs = true, .malifis = true, .askSer = true, .askTransfer = true,
     .odenmezCari = true},
    {.name = u"BAHÇE", .file = u"bahce", .tableCode = u"B", .tableName = u"Bahçe", .tables = 12,
     .kuversor = true, .kuverfiyat = 25, .askMrs = true, .fiyattipi = 3, .odenmezCari = true},
    {.name = u"TERAS", .file = u"teras", .sure = 20, .masaac = true, .fiyattipi = 2,
     .azyuzde = 90, .dvz = true, .autoCustInd = false},
    {.name = u"PAKET", .file = u"paket", .takeaway = true, .viewTable = true, .sure = 0,
     .masaac = true, .fiyattipi = 4, .footer = u"Paket servis: 0 222 555 01 07",
     .cariadres = true, .priceChange = false, .odenmezIkram = false},
};
// clang-format on

struct Department {
    QStringView name;
    QStringView file;
    QStringView baslik;
};

constexpr Department kDepartments[] = {
    {kMutfak, u"mutfak.prn", u"Mutfak"},
    {kIzgara, u"izgara.prn", u"Izgara / Ocakbaşı"},
    {kTatli, u"tatli.prn", u"Tatlı"},
    {kBar, u"bar.prn", u"Bar"},
};

constexpr QStringView kFoodCopy = u"abiyer.prn";

// FIS 0 puts the checks paid with the type on the cashier report: what needs a slip, a
// voucher or an account to reconcile. SIRA is the position in this list.
struct PaymentType {
    QStringView name;
    bool pos; // offered on the payment screen
    bool fis;
    bool bank;
};

constexpr PaymentType kPaymentTypes[] = {
    {u"NAKIT", true, true, true},
    {u"KREDİ KARTI", true, false, false},
    {u"BANKA KARTI", true, false, false},
    {u"YEMEK KARTI A", true, false, false},
    {u"YEMEK KARTI B", true, false, false},
    {u"KREDI", true, false, false},
    {u"EURO", true, true, true},
    {u"DOLAR", true, true, true},
    {u"STERLİN", true, true, true},
    {u"OTEL_KREDI", false, false, false},
    {u"GENIUS", false, false, false},
};

struct Rights {
    bool yonetim, iade, ind, servis, uikram, fdegis, hesap, cari, htrans, odenmez, utrans;
};

struct UserDef {
    QStringView username, pwd, bolum;
    Rights rights;
    QStringView what;
};

constexpr bool Y = true;
constexpr bool N = false;

// Only a "Kasiyer" logs in; the other codes are typed at the prompts that ask for a waiter
// or for a user holding a right. Rights in the order yonetim, iade, ind, servis, uikram,
// fdegis, hesap, cari, htrans, odenmez, utrans.
// clang-format off
constexpr UserDef kUsers[] = {
    {u"Ayşe",   u"1111",   u"Kasiyer", {Y, Y, Y, Y, Y, Y, Y, Y, Y, Y, Y},
     u"cashier, every right"},
    {u"Mehmet", u"2222",   u"Kasiyer", {N, N, Y, Y, N, N, Y, Y, Y, N, Y},
     u"cashier: payment, discount, service, accounts, transfers"},
    {u"Ali",    u"3333",   u"Garson",  {N, N, N, N, Y, N, N, N, Y, N, Y},
     u"head waiter: transfers, complimentary items"},
    {u"Zeynep", u"4444",   u"Garson",  {N, N, N, N, N, N, N, N, Y, N, Y},
     u"waiter: transfers"},
    {u"Emre",   u"5555",   u"Garson",  {N, N, N, N, N, N, N, N, N, N, N},
     u"waiter: orders only"},
    {u"Kemal",  u"909090", u"Admin",   {Y, Y, Y, Y, Y, Y, Y, Y, Y, Y, Y},
     u"manager, every right incl. management; authorises, cannot log in"},
};
// clang-format on

constexpr QStringView kExpensePlaces[] = {
    u"Market", u"Manav",    u"Kasap",    u"Kira",     u"Elektrik",
    u"Su",     u"Doğalgaz", u"Personel", u"Temizlik", u"Bakım-Onarım",
};

struct Customer {
    QStringView hesno, hesadi, telefon, adres, verda, verno, mail;
    double ustlimit; // -1: no limit
    double autoInd;  // automatic discount percentage
};

// clang-format off
constexpr Customer kCustomers[] = {
    {u"C0001", u"Ege Lojistik Ltd. Şti.", u"0 222 555 01 21", u"Sanayi Mah. Depo Sok. No:3",
     u"Odunpazarı", u"3340012345", u"muhasebe@egelojistik.example", 25000, 10},
    {u"C0002", u"Yıldız Tekstil A.Ş.", u"0 222 555 01 35",
     u"Organize Sanayi Bölgesi 12. Cad. No:8", u"Tepebaşı", u"9870054321", {}, -1, 0},
    {u"C0003", u"Köşk Mimarlık Bürosu", u"0 222 555 01 48", u"Cumhuriyet Bulv. No:41 Kat:3",
     u"Odunpazarı", u"5510098765", u"info@koskmimarlik.example", 10000, 5},
    {u"C0004", u"Hakan Öztürk", u"0 532 555 10 20", u"Çamlıca Mah. Lale Sok. No:15 D:4",
     {}, {}, {}, 5000, 0},
    {u"C0005", u"Selin Kaya", u"0 543 555 30 40", u"Yenidoğan Mah. Papatya Sok. No:2",
     {}, {}, u"selin.kaya@example.com", 2000, 0},
};
// clang-format on

// Card and registration date of the customer cards: fixed, so every demo site is alike.
const QDate kCardDate(2025, 1, 6);

// Empty texts are written as empty, not NULL: readers test them with = ''.
QString str(QStringView v)
{
    return v.isEmpty() ? u""_s : v.toString();
}

// Printer outputs are named by absolute path. The output columns are only so wide, though, so
// a site deep in the file system gets its outputs named relative to the site directory.
class PrinterFiles {
public:
    explicit PrinterFiles(const QString& siteDir) : m_dir(QDir(siteDir).filePath(u"printers"_s))
    {
        const Schema& schema = siteSchema();
        const std::pair<QString, QString> outputs[] = {
            {u"Q_Admin"_s, u"which_port"_s},
            {u"Q_Admin"_s, u"which_portad"_s},
            {u"Q_Admin_Details"_s, u"PRNT_PATH"_s},
            {u"q_admin_c"_s, u"abiyer"_s},
        };
        for (const auto& [table, column] : outputs) {
            for (const ColumnDef& c : schema.table(table)->columns) {
                if (c.name == column)
                    m_width = std::min(m_width, c.length);
            }
        }
    }

    void create() const
    {
        if (!QDir().mkpath(m_dir))
            throw UserError(u"Yazıcı klasörü oluşturulamadı: "_s + m_dir);
    }

    QString output(const QString& file) const
    {
        const QString absolute = QDir(m_dir).filePath(file);
        return absolute.size() <= m_width ? absolute : u"printers/"_s + file;
    }

private:
    QString m_dir;
    int m_width = 1000;
};

// Loading twice would double every hall, product and user.
void requireEmptySite(Db& db, const QString& clientId)
{
    const QString counts[] = {
        u"SELECT COUNT(*) FROM Q_Admin"_s,
        u"SELECT COUNT(*) FROM Q_ITEMS"_s,
        u"SELECT COUNT(*) FROM Q_userkontrol"_s,
    };
    bool used =
        db.scalar(u"SELECT COUNT(*) FROM q_admin_c WHERE clnum = :c"_s, {{u"c"_s, clientId}})
            .toLongLong() > 0;
    for (const QString& sql : counts)
        used = used || db.scalar(sql).toLongLong() > 0;
    if (used)
        throw UserError(u"Bu sitede zaten salon, ürün veya kullanıcı tanımlı; demo restoran "
                        "yalnızca boş bir siteye yüklenir."_s);
}

void insertHalls(Db& db, const PrinterFiles& printers)
{
    for (const Hall& h : kHalls) {
        insertRow(db, u"Q_Admin"_s,
                  {{u"hall_name"_s, str(h.name)},
                   {u"hall_pwd"_s, u""_s},
                   {u"takeaway"_s, h.takeaway},
                   {u"table_count"_s, h.tables},
                   {u"view_table"_s, h.viewTable},
                   {u"dcolumn"_s, 110.0},
                   {u"drow"_s, 90.0},
                   {u"harffontsize"_s, 12.0},
                   {u"harfsize"_s, 20.0},
                   {u"sure"_s, h.sure},
                   {u"RNK"_s, str(kLateColour)},
                   {u"masaac"_s, h.masaac},
                   {u"kuversor"_s, h.kuversor},
                   {u"kuverfiyat"_s, h.kuverfiyat},
                   {u"ask_waiter_pwd"_s, h.askWaiter},
                   {u"ask_mrs"_s, h.askMrs},
                   {u"auto_print"_s, false},
                   {u"fiyattipi"_s, double(h.fiyattipi)},
                   {u"azyuzde"_s, h.azyuzde},
                   {u"dubleyuzde"_s, 200.0},
                   {u"aqua"_s, false},
                   {u"which_port"_s, printers.output(u"adisyon-"_s + str(h.file) + u".prn"_s)},
                   {u"which_prnt"_s, 1},
                   {u"which_portad"_s, printers.output(u"fis-"_s + str(h.file) + u".prn"_s)},
                   {u"caption1"_s, str(kRestaurant)},
                   {u"caption2"_s, str(kAddress)},
                   {u"caption3"_s, str(h.footer)},
                   {u"adisyonyaz"_s, true},
                   {u"cariadres"_s, h.cariadres},
                   {u"DVZ"_s, h.dvz},
                   {u"malifis"_s, h.malifis},
                   {u"ask_back"_s, h.askBack},
                   {u"ask_disc"_s, h.askDisc},
                   {u"ask_ser"_s, h.askSer},
                   {u"ask_bill_trnsfer"_s, h.askTransfer},
                   {u"ask_item_trnsfer"_s, h.askTransfer},
                   {u"ask_del"_s, false},
                   {u"fiyat_degisim"_s, h.priceChange},
                   {u"fiyat_degisim_askpwd"_s, h.priceChange},
                   {u"add_service_percent"_s, 10.0},
                   {u"servisac"_s, false},
                   {u"serviskota"_s, 0.0},
                   {u"auto_cust_ind"_s, h.autoCustInd},
                   {u"urunind"_s, false},
                   {u"odenmez_ikram"_s, h.odenmezIkram},
                   {u"odenmezcari"_s, h.odenmezCari},
                   {u"hesapkapanis"_s, true},
                   {u"otel"_s, false},
                   {u"onodeme"_s, false},
                   {u"waiter_prim_percent"_s, 0.0},
                   {u"pdahesapkapat"_s, false},
                   {u"pdakasa"_s, u""_s}});
    }
}

// Permanent tables, free: no waiter, every amount 0.
void insertTables(Db& db)
{
    for (const Hall& h : kHalls) {
        for (int n = 1; n <= h.tables; ++n) {
            Row row = {{u"hall_name"_s, str(h.name)},
                       {u"Masa"_s, QString(str(h.tableCode) + QString::number(n))},
                       {u"masaadi"_s, QString(str(h.tableName) + u' ' + QString::number(n))},
                       {u"sira"_s, n}};
            const Row header = freeTableHeader();
            row.insert(row.end(), header.begin(), header.end());
            insertRow(db, u"Q_master_table"_s, row);
        }
    }
}

// Departments, the printer of each department in each hall, and the groups each hall sells.
void insertRouting(Db& db, const PrinterFiles& printers)
{
    for (const Department& d : kDepartments)
        insertRow(db, u"Q_Department"_s, {{u"DEPARTMENT"_s, str(d.name)}});

    for (const Hall& h : kHalls) {
        for (const Department& d : kDepartments) {
            insertRow(db, u"Q_Admin_Details"_s,
                      {{u"hall_name"_s, str(h.name)},
                       {u"DEPARTMENT"_s, str(d.name)},
                       {u"PRNT_PATH"_s, printers.output(str(d.file))},
                       {u"BASLIK"_s, str(d.baslik)}});
        }
        int articel = 0;
        for (const DemoGroup& g : demoGroups()) {
            if (h.takeaway && g.category == u"Alkol")
                continue; // no alcohol to take away
            insertRow(db, u"Q_Admin_Second"_s,
                      {{u"hall_name"_s, str(h.name)},
                       {u"GRUP"_s, str(g.grup)},
                       {u"DEPARTMENT"_s, str(g.department)},
                       {u"articel_id"_s, ++articel}});
        }
    }
}

void insertPaymentTypes(Db& db)
{
    int sira = 0;
    for (const PaymentType& p : kPaymentTypes) {
        insertRow(db, u"Q_odemetipi"_s,
                  {{u"odemetipi"_s, str(p.name)},
                   {u"ask_pwd"_s, u""_s},
                   {u"SIRA"_s, ++sira},
                   {u"FIS"_s, p.fis},
                   {u"POS"_s, p.pos},
                   {u"bank"_s, p.bank}});
    }
}

// Users, and a cash desk named after each cashier.
void insertUsers(Db& db)
{
    int kasano = 0;
    for (const UserDef& u : kUsers) {
        const Rights& r = u.rights;
        insertRow(db, u"Q_userkontrol"_s,
                  {{u"username"_s, str(u.username)},
                   {u"pwd"_s, str(u.pwd)},
                   {u"bolum"_s, str(u.bolum)},
                   {u"yonetim"_s, r.yonetim},
                   {u"iade"_s, r.iade},
                   {u"ind"_s, r.ind},
                   {u"servis"_s, r.servis},
                   {u"uikram"_s, r.uikram},
                   {u"fdegis"_s, r.fdegis},
                   {u"hesap"_s, r.hesap},
                   {u"cari"_s, r.cari},
                   {u"htrans"_s, r.htrans},
                   {u"odenmez"_s, r.odenmez},
                   {u"utrans"_s, r.utrans},
                   {u"sirket"_s, u""_s}});
        if (u.bolum != u"Kasiyer")
            continue;
        insertRow(db, u"Q_Kasa"_s,
                  {{u"SIRKET"_s, 0},
                   {u"KASANO"_s, QString::number(++kasano)},
                   {u"KASAADI"_s, str(u.username)},
                   {u"DOVIZ_ID"_s, 0},
                   {u"HESAP_ID"_s, 0},
                   {u"KOD"_s, 0},
                   {u"ACIKLAMA"_s, u"Kasiyer"_s},
                   {u"devirtop"_s, 0.0}});
    }
}

void insertExpensePlaces(Db& db)
{
    for (QStringView place : kExpensePlaces)
        insertRow(db, u"Q_masraflar"_s, {{u"MASRAFYERI"_s, str(place)}});
}

void insertCustomers(Db& db)
{
    for (const Customer& c : kCustomers) {
        insertRow(db, u"Q_Customer"_s,
                  {{u"HESNO"_s, str(c.hesno)},
                   {u"HESADI"_s, str(c.hesadi)},
                   {u"MUHHESAP_ID"_s, 0},
                   {u"Grup"_s, u"Müşteri"_s},
                   {u"auto_ind"_s, c.autoInd},
                   {u"tarih"_s, kCardDate},
                   {u"Telefon"_s, str(c.telefon)},
                   {u"Fax"_s, u""_s},
                   {u"Verda"_s, str(c.verda)},
                   {u"Verno"_s, str(c.verno)},
                   {u"ustlimit"_s, c.ustlimit},
                   {u"usedkredi"_s, 0.0},
                   {u"Borc"_s, 0.0},
                   {u"Alacak"_s, 0.0},
                   {u"Bakiye"_s, 0.0},
                   {u"Adres"_s, str(c.adres)},
                   {u"garson_primsure"_s, u""_s},
                   {u"garson_kota"_s, 0.0},
                   {u"garson_kotaprim"_s, 0.0},
                   {u"garson_kotaaltiprim"_s, 0.0},
                   {u"garson_yuzde"_s, 0.0},
                   {u"garson_maxodenmez"_s, -1.0},
                   {u"garson_maxodenmez1"_s, 0.0},
                   {u"mail"_s, str(c.mail)},
                   {u"fandbind"_s, false},
                   {u"ice"_s, 0.0},
                   {u"yiye"_s, 0.0},
                   {u"Adres2"_s, u""_s},
                   {u"Adres3"_s, u""_s},
                   {u"Adres4"_s, u""_s},
                   {u"Adres5"_s, u""_s},
                   {u"aktif"_s, true},
                   {u"maas"_s, 0.0},
                   {u"bastar"_s, kCardDate},
                   {u"borclandirma"_s, u""_s},
                   {u"muhasebekodu"_s, u""_s}});
    }
}

// A terminal's settings: a full cash desk shows every function and the management page;
// an ordering terminal on the floor (`mixedmod` and `yonetim` off) only takes orders.
void insertTerminal(Db& db, const PrinterFiles& printers, const QString& clientId,
                    const QString& hall, bool cashDesk)
{
    insertRow(db, u"q_admin_c"_s,
              {{u"clnum"_s, clientId},
               {u"dpos"_s, hall},
               {u"pcadi"_s, str(kInstallation)},
               {u"abiyer"_s, printers.output(str(kFoodCopy))},
               {u"grupfont"_s, 4.0},
               {u"urunfont"_s, 5.0},
               {u"odemebutonu"_s, u"NAKIT"_s},
               {u"kolon"_s, 6.0},
               {u"kritik"_s, true},
               {u"mixedmod"_s, cashDesk},
               {u"yonetim"_s, cashDesk},
               {u"urunikr"_s, cashDesk},
               {u"iade"_s, cashDesk},
               {u"ind"_s, cashDesk},
               {u"cari"_s, cashDesk},
               {u"transfer"_s, true},
               {u"hizlisatis"_s, true},
               {u"selfservis"_s, false},
               {u"iadenot"_s, true},
               {u"zayi"_s, true},
               {u"sorusure"_s, 0.0},
               {u"sifreliodeme"_s, false},
               {u"teraziport"_s, u""_s},
               {u"tektiklama"_s, false},
               {u"servisgoster"_s, true},
               {u"garsonkodu"_s, u""_s},
               {u"ibmaktar"_s, false},
               {u"ortakdepo"_s, u""_s},
               {u"ismemasa"_s, false},
               {u"paket"_s, u""_s},
               {u"callerid"_s, false},
               {u"sipyazfont"_s, 0.0},
               {u"adsyazfont"_s, 0.0},
               {u"masayanot"_s, false},
               {u"selfmantik"_s, u""_s}});
}

} // namespace

const std::vector<DemoUser>& demoUsers()
{
    static const std::vector<DemoUser> users = [] {
        std::vector<DemoUser> list;
        for (const UserDef& u : kUsers)
            list.push_back({str(u.username), str(u.pwd), str(u.bolum), str(u.what)});
        return list;
    }();
    return users;
}

void loadDemoRestaurant(Db& db, const QString& siteDir, const QString& clientId)
{
    if (clientId.isEmpty())
        throw UserError(u"Demo restoran için bu makinenin client numarası gerekli."_s);
    const PrinterFiles printers(siteDir);

    Transaction tx(db);
    requireEmptySite(db, clientId);
    printers.create();
    insertHalls(db, printers);
    insertTables(db);
    insertRouting(db, printers);
    loadDemoMenu(db);
    insertPaymentTypes(db);
    insertUsers(db);
    insertExpensePlaces(db);
    insertCustomers(db);
    insertTerminal(db, printers, clientId, str(kHalls[0].name), true);
    // Two more terminals to try beside this one on the same machine (--client).
    for (const auto& [id, hall, cashDesk] : {std::tuple{u"KASA-2"_s, str(kHalls[1].name), true},
                                             std::tuple{u"GARSON-1"_s, str(kHalls[1].name), false}}) {
        if (id != clientId)
            insertTerminal(db, printers, id, hall, cashDesk);
    }
    tx.commit();
}

} // namespace ostrima
