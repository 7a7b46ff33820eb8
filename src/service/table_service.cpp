#include "service/table_service.h"

#include <QLocale>

#include "app/clock.h"
#include "app/interaction.h"
#include "app/session.h"
#include "data/counters.h"
#include "data/db.h"
#include "data/row_writer.h"
#include "service/hall_map.h"
#include "service/table_header.h"
#include "settings/terminal_settings.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

// Serialises the creation of ad-hoc tables across terminals (PostgreSQL advisory lock key;
// SQLite's write transaction serialises by itself).

const QString kCancelled = u"0"_s;
const QString kBlocked = u"BLOKE"_s;

TaskDialog message(const QString& instruction, const QString& content, const QString& detail,
                   const QString& button)
{
    TaskDialog d;
    d.instruction = instruction;
    d.content = content;
    d.expandedText = detail;
    d.buttons = {button};
    return d;
}

// A prompt's result as a number; 0 when it is not one.
double resultNumber(const QString& result)
{
    bool ok = false;
    double v = QLocale::c().toDouble(result.trimmed(), &ok);
    if (!ok)
        v = QLocale::c().toDouble(QString(result.trimmed()).replace(u',', u'.'), &ok);
    return ok ? v : 0;
}

} // namespace

TableService::TableService(Db& db, Session& session, Interaction& ui, const Clock& clock)
    : m_db(db), m_session(session), m_ui(ui), m_clock(clock)
{
}

TableService::Header TableService::readHeader()
{
    Header h;
    Query q = m_db.exec(
        u"SELECT mt.waiter, mt.adisyaz, CASE WHEN EXISTS (SELECT 1 FROM Q_master_detay md "
        u"WHERE md.hall_name = mt.hall_name AND md.masa = mt.Masa) THEN 1 ELSE 0 END AS dolu "
        u"FROM Q_master_table mt WHERE mt.hall_name = :posadi AND mt.Masa = :ms"_s,
        {{u"posadi"_s, m_session.pos_ed}, {u"ms"_s, m_session.masano}});
    if (!q.next())
        return h;
    h.found = true;
    h.waiter = q.text(u"waiter"_s);
    h.printed = q.flag(u"adisyaz"_s);
    h.hasLines = q.value(2).toInt() != 0;
    return h;
}

void TableService::tellBlocked()
{
    const QString text = u"Blokeli Masa"_s;
    m_ui.ask(message(text, text, text, u"Tamam"_s));
}

TableClick TableService::gridClickCell(const QString& cellText)
{
    m_session.masano = tableCodeOfCell(cellText);
    if (m_session.masano.trimmed().isEmpty()) {
        m_session.masano.clear();
        return TableClick::NewTableRequested;
    }
    if (!m_session.edtmasa.isEmpty() || !m_session.edtumasa.isEmpty())
        return TableClick::TransferRequested;

    const Header header = readHeader();
    if (!header.found) {
        // Removed by another terminal since the map was drawn; the next rebuild shows it gone.
        m_session.masano.clear();
        return TableClick::Nothing;
    }
    if (header.waiter == kBlocked) {
        tellBlocked();
        return TableClick::Blocked;
    }
    if (header.hasLines)
        return TableClick::ShowCheck;
    return openFreeTable();
}

QString TableService::waiterOfCode(const QString& code)
{
    return m_db
        .scalar(u"SELECT username FROM Q_userkontrol WHERE pwd = :pwd ORDER BY auto_no"_s,
                {{u"pwd"_s, code}})
        .toString();
}

TableClick TableService::openFreeTable()
{
    const TerminalSettings terminal = TerminalSettings::read(m_db, m_session.lblpcadi);
    const HallSettings hall = HallSettings::read(m_db, m_session.pos_ed);

    // With the prompt, the result is the number of guests where the hall asks for it (the
    // prompt goes on to ask it) and the waiter's code otherwise.
    QString result;
    if (terminal.garsonkodu.isEmpty()) {
        result = m_ui.prompt(100);
        if (result == kCancelled) {
            m_session.masano.clear();
            return TableClick::Cancelled;
        }
    } else {
        const QString waiter = waiterOfCode(terminal.garsonkodu);
        if (waiter.isEmpty())
            throw UserError(u"Bu terminalin sabit garson kodu (\"Sabit Garson Kodu\") hiçbir "
                            u"kullanıcıya ait değil. Client Setup ekranında düzeltiniz."_s);
        m_session.waiter = waiter;
        result = terminal.garsonkodu;
        // A fixed code is no number of guests: ask for them where the hall wants them.
        if (hall.kuversor) {
            result = m_ui.prompt(200);
            if (resultNumber(result) <= 0) {
                m_session.masano.clear();
                return TableClick::Cancelled;
            }
        }
    }

    const double price = hall.kuverfiyat;
    double cover = 0;
    if (!result.isEmpty())
        cover = hall.kuversor ? price * resultNumber(result) : price;
    const double guests = hall.kuversor ? resultNumber(result) : 1.0;

    Transaction tx(m_db);
    m_db.exec(u"UPDATE Q_master_table SET kuv_tut = :c, pax = :g WHERE hall_name = :posadi "
              u"AND Masa = :ms"_s,
              {{u"c"_s, cover},
               {u"g"_s, guests},
               {u"posadi"_s, m_session.pos_ed},
               {u"ms"_s, m_session.masano}});
    tx.commit();
    return result == kCancelled ? TableClick::Cancelled : TableClick::OpenOrderScreen;
}

TableClick TableService::gridDblClickCell()
{
    if (m_session.masano.trimmed().isEmpty())
        return TableClick::Nothing;
    const Header header = readHeader();
    if (!header.found)
        return TableClick::Nothing;
    if (header.waiter == kBlocked) {
        tellBlocked();
        return TableClick::Blocked;
    }
    const HallSettings hall = HallSettings::read(m_db, m_session.pos_ed);
    if (hall.ask_waiter_pwd && m_ui.prompt(9992) == kCancelled)
        return TableClick::Cancelled;
    if (header.printed) {
        TaskDialog d;
        d.instruction = u"Adisyon Yazdırılmıs Masa Siparıse Devam Edilecek"_s;
        d.buttons = {u"Evet"_s, u"Hayır"_s};
        if (m_ui.ask(d) != 100)
            return TableClick::Cancelled;
    }
    return TableClick::OpenOrderScreen;
}

bool TableService::canCreateTables(const QString& hall)
{
    if (HallSettings::read(m_db, hall).masaac)
        return true;
    m_ui.ask(message(u"Masa Açma Sistemi Devre Dışı Bırakılmış"_s,
                     u"Yönetim Panelinden Masa Açma Sistemini Açınız"_s,
                     u"Lütfen Program Satıcınızla Görüşünüz"_s, u"Tamam"_s));
    return false;
}

QStringList TableService::usedTableCodes()
{
    QStringList codes;
    Query q = m_db.exec(u"SELECT DISTINCT masa FROM Q_adisyon ORDER BY masa"_s);
    while (q.next()) {
        const QString code = q.value(0).toString();
        if (!code.trimmed().isEmpty())
            codes << code;
    }
    return codes;
}

bool TableService::createAdHocTable(const QString& code)
{
    const QString masa = code.trimmed();
    const QString hall = m_session.pos_ed;
    // Table "0" is never drawn on the map: as good as no code.
    if (masa.isEmpty() || masa == u"0"_s || hall.trimmed().isEmpty()) {
        m_ui.ask(message(u"Masa Nosu Hatalı"_s, u"Masa Kodunu Kontrol Ediniz"_s, {},
                         u"Yeni Masa Nosu Gir"_s));
        return false;
    }

    bool taken = false;
    {
        Transaction tx(m_db);
        counters::serialise(m_db, counters::WriterLock::TableCreation);
        taken = m_db.scalar(u"SELECT COUNT(*) FROM Q_master_table WHERE hall_name = :posadi "
                            u"AND Masa = :ms"_s,
                            {{u"posadi"_s, hall}, {u"ms"_s, masa}})
                    .toLongLong() > 0;
        if (!taken) {
            const int highest =
                m_db.scalar(u"SELECT MAX(sira) FROM Q_master_table WHERE hall_name = :posadi"_s,
                            {{u"posadi"_s, hall}})
                    .toInt();
            Row row = {{u"hall_name"_s, hall},
                       {u"Masa"_s, masa},
                       {u"sira"_s, highest > 0 ? highest + 1 : 1}};
            const Row header = freeTableHeader();
            row.insert(row.end(), header.begin(), header.end());
            insertRow(m_db, u"Q_master_table"_s, row);
        }
        tx.commit();
    }
    if (taken) {
        m_ui.ask(message(u"Masa Kodu Zaten Kullanılıyor"_s, u"Masa Kodunu Kontrol Ediniz"_s,
                         u"Masa Nosu Hatalı"_s, u"Yeni Masa Nosu Gir"_s));
        return false;
    }
    return true;
}

TableClick TableService::openNewTable(const QString& code)
{
    m_session.masano = code.trimmed();
    if (m_ui.prompt(100) == kCancelled) {
        m_session.masano.clear();
        return TableClick::Cancelled;
    }
    return TableClick::OpenOrderScreen;
}

void TableService::lock() { m_ui.prompt(5000); }

bool TableService::selectHall(const QString& hall)
{
    m_session.masano.clear();
    m_session.pos_ed = hall;
    if (HallSettings::read(m_db, hall).hall_pwd.isEmpty())
        return true;
    if (m_ui.prompt(998) == kCancelled) {
        m_session.pos_ed.clear();
        return false;
    }
    return true;
}

// --- new-table keypad ------------------------------------------------------------------------

const QStringList& newTableKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (char c = '0'; c <= '9'; ++c)
            k << QString(QLatin1Char(c));
        for (char c = 'A'; c <= 'Z'; ++c) {
            if (c != 'X')
                k << QString(QLatin1Char(c));
        }
        return k;
    }();
    return keys;
}

QString newTableCodeAfterKey(const QString& code, const QString& key)
{
    if (!newTableKeys().contains(key))
        return code;
    const QString base = code == u"0"_s ? QString() : code;
    return base.size() < 5 ? base + key : code;
}

QString newTableCodeAfterBack(const QString& code)
{
    if (code.isEmpty() || code == u"0"_s)
        return code;
    const QString shorter = code.left(code.size() - 1);
    return shorter.isEmpty() ? u"0"_s : shorter;
}

// --- Enter counter and master code -----------------------------------------------------------

bool EnterCounter::press()
{
    if (m_presses > 3)
        return false;
    return ++m_presses == 3;
}

bool isMasterCode(const QString& code) { return code == u"6021350842"_s; }

} // namespace ostrima
