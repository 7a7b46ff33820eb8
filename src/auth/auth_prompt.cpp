#include "auth/auth_prompt.h"

#include <stdexcept>

#include "app/session.h"
#include "auth/keypad.h"
#include "data/db.h"
#include "settings/terminal_settings.h"

namespace ostrima {

namespace {

const QString kZero = QStringLiteral("0");

// Modes whose check looks at the users, and those that look at the current hall's row.
bool readsUsers(int mode)
{
    switch (mode) {
    case 200:
    case 501:
    case 601:
    case 998:
    case 1201:
    case 3456:
    case 9991:
        return false;
    default:
        return true;
    }
}

bool readsHall(int mode)
{
    return mode == 100 || mode == 998;
}

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

std::vector<PromptUser> readUsers(Db& db)
{
    std::vector<PromptUser> users;
    Query q = db.exec(QStringLiteral("SELECT * FROM Q_userkontrol ORDER BY auto_no"));
    while (q.next()) {
        PromptUser u;
        u.username = q.text(QStringLiteral("username"));
        u.pwd = q.text(QStringLiteral("pwd"));
        u.bolum = q.text(QStringLiteral("bolum"));
        u.yonetim = q.flag(QStringLiteral("yonetim"));
        u.iade = q.flag(QStringLiteral("iade"));
        u.ind = q.flag(QStringLiteral("ind"));
        u.servis = q.flag(QStringLiteral("servis"));
        u.uikram = q.flag(QStringLiteral("uikram"));
        u.fdegis = q.flag(QStringLiteral("fdegis"));
        u.hesap = q.flag(QStringLiteral("hesap"));
        u.cari = q.flag(QStringLiteral("cari"));
        u.htrans = q.flag(QStringLiteral("htrans"));
        u.odenmez = q.flag(QStringLiteral("odenmez"));
        users.push_back(std::move(u));
    }
    return users;
}

} // namespace

AuthPrompt::AuthPrompt(Db& db, Session& session)
    : m_db(db)
    , m_session(session)
{
}

void AuthPrompt::show(int mode)
{
    if (!isPromptMode(mode))
        throw std::invalid_argument("unknown authorisation prompt mode " + std::to_string(mode));
    m_mode = mode;
    m_shownMode = mode;
    m_entry = kZero;
    m_caption = promptCaption(mode);
    m_masked = promptMasked(mode);
    m_open = true;
    m_closed = false;
    m_cancelled = false;
    m_followUp = PromptFollowUp::None;
}

void AuthPrompt::press(const QString& key)
{
    if (!m_open)
        return;
    const QString before = m_entry;
    m_entry = keypadPress(m_entry, key, kLimit);
    if (m_entry != before && m_entry.size() == kAutoOk)
        ok();
}

void AuthPrompt::back()
{
    if (m_open)
        m_entry = keypadBack(m_entry);
}

void AuthPrompt::clear()
{
    if (m_open)
        m_entry = kZero;
}

void AuthPrompt::ok()
{
    if (!m_open)
        return;
    std::vector<PromptUser> users;
    HallSettings hall;
    PromptContext context;
    if (readsUsers(m_mode)) {
        users = readUsers(m_db);
        context.users = std::move(users);
    }
    if (readsHall(m_mode)) {
        hall = HallSettings::read(m_db, withoutLeadingBlanks(m_session.pos_ed));
        context.hall = &hall;
    }
    context.tableSelected = !m_session.masano.isEmpty();

    const PromptOutcome outcome = promptOk(m_mode, m_entry, context);
    if (outcome.tableWaiter) {
        Transaction tx(m_db);
        m_db.exec(QStringLiteral(
                      "UPDATE Q_master_table SET waiter = :w WHERE hall_name = :h AND Masa = :m"),
                  {{QStringLiteral("w"), *outcome.tableWaiter},
                   {QStringLiteral("h"), m_session.pos_ed},
                   {QStringLiteral("m"), m_session.masano}});
        tx.commit();
    }
    apply(outcome);
}

void AuthPrompt::apply(const PromptOutcome& outcome)
{
    if (outcome.waiter)
        m_session.waiter = *outcome.waiter;
    if (outcome.islemyapan)
        m_session.islemyapan = *outcome.islemyapan;
    if (outcome.cash_ed)
        m_session.cash_ed = *outcome.cash_ed;
    m_mode = outcome.mode;
    m_caption = outcome.caption;
    m_masked = outcome.masked;
    m_entry = outcome.entry;
    m_followUp = outcome.followUp;
    if (outcome.close) {
        m_open = false;
        m_closed = true;
    }
}

bool AuthPrompt::cancel()
{
    if (!m_open)
        return true;
    if (!promptCancellable(m_mode))
        return false;
    // Opening a table stops when its waiter prompt is cancelled, also while guests are asked.
    if (m_shownMode == 100)
        m_session.masano.clear();
    m_entry = kZero;
    m_open = false;
    m_closed = true;
    m_cancelled = true;
    m_followUp = PromptFollowUp::None;
    return true;
}

QString AuthPrompt::result() const
{
    return m_closed && !m_cancelled ? m_entry : kZero;
}

QString AuthPrompt::runScripted(int mode, const QStringList& entries)
{
    show(mode);
    for (const QString& typed : entries) {
        clear();
        for (const QChar ch : typed) {
            press(QString(ch));
            if (m_closed)
                return result();
        }
        ok();
        if (m_closed)
            return result();
    }
    cancel();
    return kZero;
}

} // namespace ostrima
