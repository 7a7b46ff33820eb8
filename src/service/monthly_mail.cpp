#include "service/monthly_mail.h"

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <curl/curl.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "app/clock.h"
#include "app/session.h"
#include "data/db.h"
#include "settings/terminal_settings.h"

namespace ostrima {

using namespace Qt::StringLiterals;

namespace {

constexpr long kConnectSeconds = 5;
constexpr long kTotalSeconds = 15;

// RFC 2047 encoded words of at most 45 bytes of text each, never splitting a character.
QByteArray encodedWords(const QString& text)
{
    QList<QByteArray> words;
    QByteArray chunk;
    for (const QChar* c = text.constBegin(); c != text.constEnd(); ++c) {
        qsizetype len = 1;
        if (c->isHighSurrogate() && c + 1 != text.constEnd())
            len = 2;
        const QByteArray bytes = QStringView(c, len).toUtf8();
        c += len - 1;
        if (chunk.size() + bytes.size() > 45) {
            words << chunk;
            chunk.clear();
        }
        chunk += bytes;
    }
    if (!chunk.isEmpty() || words.isEmpty())
        words << chunk;
    QByteArray out;
    for (const QByteArray& w : words) {
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + w.toBase64() + "?=";
    }
    return out;
}

QByteArray base64Lines(const QByteArray& data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + "\r\n";
    return out;
}

// Addresses from the file may not carry line breaks into the headers.
QByteArray headerValue(const QString& value)
{
    QString v = value;
    v.remove(u'\r');
    v.remove(u'\n');
    return v.toUtf8();
}

struct Payload {
    std::string data;
    size_t offset = 0;
};

size_t readPayload(char* buffer, size_t size, size_t count, void* user)
{
    auto* p = static_cast<Payload*>(user);
    const size_t room = size * count;
    const size_t left = p->data.size() - p->offset;
    const size_t n = left < room ? left : room;
    p->data.copy(buffer, n, p->offset);
    p->offset += n;
    return n;
}

struct Envelope {
    std::string url, user, password, from;
    std::vector<std::string> to;
};

void send(const Envelope& e, Payload payload)
{
    CURL* curl = curl_easy_init();
    if (!curl)
        return;
    curl_slist* recipients = nullptr;
    for (const auto& r : e.to)
        recipients = curl_slist_append(recipients, ("<" + r + ">").c_str());
    curl_easy_setopt(curl, CURLOPT_URL, e.url.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTotalSeconds);
    curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    if (!e.user.empty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, e.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, e.password.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, ("<" + e.from + ">").c_str());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &readPayload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &payload);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_perform(curl); // the notification is a courtesy: its failure is ignored
    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);
}

} // namespace

std::optional<MailSettings> readMailSettings(const QString& siteDir)
{
    const QString path = QDir(siteDir).filePath(u"mail.ini"_s);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(u"smtp"_s);
    // QSettings hands a value with commas back as a list: join it again.
    auto text = [&](const QString& key) {
        const QVariant v = ini.value(key);
        return v.typeId() == QMetaType::QStringList ? v.toStringList().join(u',')
                                                    : v.toString();
    };
    MailSettings s;
    s.url = text(u"url"_s).trimmed();
    s.user = text(u"user"_s);
    s.password = text(u"password"_s);
    s.from = text(u"from"_s).trimmed();
    for (const QString& p : text(u"to"_s).split(u',')) {
        if (!p.trimmed().isEmpty())
            s.to << p.trimmed();
    }
    if (s.url.isEmpty() || s.from.isEmpty() || s.to.isEmpty())
        return std::nullopt;
    return s;
}

bool isMonthlyMailDay(const QDate& today) { return today.isValid() && today.day() == 1; }

MonthlyMail composeMonthlyMail(const QString& caption1, const QString& caption2,
                               const QString& caption3, const QString& pcadi)
{
    return {caption1 + u' ' + caption2 + u' ' + caption3, pcadi};
}

QByteArray mailText(const MailSettings& settings, const MonthlyMail& mail, const QDateTime& now)
{
    QByteArray t;
    t += "Date: " + now.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    t += "From: <" + headerValue(settings.from) + ">\r\n";
    QByteArray to;
    for (const QString& r : settings.to)
        to += (to.isEmpty() ? "<" : ", <") + headerValue(r) + ">";
    t += "To: " + to + "\r\n";
    t += "Subject: " + encodedWords(mail.subject) + "\r\n";
    t += "MIME-Version: 1.0\r\n";
    t += "Content-Type: text/plain; charset=UTF-8\r\n";
    t += "Content-Transfer-Encoding: base64\r\n";
    t += "\r\n";
    t += base64Lines(mail.body.toUtf8());
    return t;
}

void sendInBackground(const MailSettings& settings, const QByteArray& text)
{
    static std::once_flag curlReady;
    std::call_once(curlReady, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    Envelope e{settings.url.toStdString(), settings.user.toStdString(),
               settings.password.toStdString(), settings.from.toStdString(), {}};
    for (const QString& r : settings.to)
        e.to.push_back(r.toStdString());
    Payload payload{text.toStdString(), 0};
    std::thread(send, std::move(e), std::move(payload)).detach();
}

void sendMonthlyMail(Db& db, const Session& session, const Clock& clock, const QString& siteDir)
{
    if (!isMonthlyMailDay(clock.today()))
        return;
    try {
        const std::optional<MailSettings> settings = readMailSettings(siteDir);
        if (!settings)
            return;
        const HallSettings hall = HallSettings::read(db, session.pos_ed);
        const TerminalSettings first = TerminalSettings::readFirstRow(db);
        const MonthlyMail mail =
            composeMonthlyMail(hall.caption1, hall.caption2, hall.caption3, first.pcadi);
        sendInBackground(*settings, mailText(*settings, mail, clock.now()));
    } catch (...) {
        // Any failure of the notification is ignored.
    }
}

} // namespace ostrima
