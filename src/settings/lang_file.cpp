#include "settings/lang_file.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "data/db_error.h"

namespace ostrima {

namespace {

// Windows-1254 from 0x80 to 0x9F; 0xFFFD where the code page has no character.
constexpr char16_t cp1254High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0xFFFD, 0x0178};

char16_t cp1254Char(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return cp1254High[b - 0x80];
    switch (b) { // where the code page differs from Latin-1
    case 0xD0:
        return u'Ğ';
    case 0xDD:
        return u'İ';
    case 0xDE:
        return u'Ş';
    case 0xF0:
        return u'ğ';
    case 0xFD:
        return u'ı';
    case 0xFE:
        return u'ş';
    default:
        return b;
    }
}

QString fold(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

QString unescape(const QString& v)
{
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == u'\\' && i + 1 < v.size() && (v[i + 1] == u'n' || v[i + 1] == u'\\')) {
            out += v[i + 1] == u'n' ? u'\n' : u'\\';
            ++i;
        } else {
            out += v[i];
        }
    }
    return out;
}

QString readValue(QString v)
{
    v = v.trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    return unescape(v);
}

QString writtenValue(const QString& value)
{
    QString v;
    v.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            v += QStringLiteral("\\\\");
        else if (c == u'\n')
            v += QStringLiteral("\\n");
        else if (c == u'\r') {
            if (i + 1 >= value.size() || value[i + 1] != u'\n')
                v += QStringLiteral("\\n");
        } else
            v += c;
    }
    // Quotes keep blanks at the ends, and a value that is itself quoted.
    const bool edgeBlank = !v.isEmpty() && (v.front().isSpace() || v.back().isSpace());
    const bool quoted = v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"');
    if (edgeBlank || quoted)
        v = u'"' + v + u'"';
    return v;
}

} // namespace

QString decodeIniText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (char b : bytes)
        text += QChar(cp1254Char(static_cast<unsigned char>(b)));
    return text;
}

LangFile LangFile::parse(const QByteArray& content)
{
    LangFile file;
    const QString text = decodeIniText(content);
    QHash<QString, QString>* section = nullptr;
    for (QStringView rawLine : QStringView(text).split(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            const QStringView name = close > 0 ? line.mid(1, close - 1) : line.mid(1);
            section = &file.m_sections[fold(name.toString())];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (!section)
            section = &file.m_sections[QString()];
        const QString key = fold(line.left(eq).toString());
        if (!key.isEmpty() && !section->contains(key))
            section->insert(key, readValue(line.mid(eq + 1).toString()));
    }
    return file;
}

std::optional<LangFile> LangFile::open(const QString& siteDir, const QString& fileName)
{
    QFile f(QDir(siteDir).filePath(fileName));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(f.readAll());
}

std::optional<QString> LangFile::value(const QString& section, const QString& key) const
{
    const auto s = m_sections.constFind(fold(section));
    if (s == m_sections.cend())
        return std::nullopt;
    const auto v = s->constFind(fold(key));
    if (v == s->cend())
        return std::nullopt;
    return *v;
}

void LangFileWriter::setValue(const QString& section, const QString& key, const QString& value)
{
    auto s = std::find_if(m_sections.begin(), m_sections.end(),
                          [&](const Section& x) { return fold(x.name) == fold(section); });
    if (s == m_sections.end()) {
        m_sections.append(Section{section, {}});
        s = m_sections.end() - 1;
    }
    auto e = std::find_if(s->entries.begin(), s->entries.end(),
                          [&](const Entry& x) { return fold(x.key) == fold(key); });
    if (e == s->entries.end())
        s->entries.append(Entry{key, value});
    else
        e->value = value;
}

QByteArray LangFileWriter::toUtf8() const
{
    QString text;
    for (const Section& s : m_sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + s.name + u"]\n";
        for (const Entry& e : s.entries)
            text += e.key + u'=' + writtenValue(e.value) + u'\n';
    }
    return text.toUtf8();
}

void LangFileWriter::save(const QString& filePath) const
{
    QSaveFile f(filePath);
    const QByteArray bytes = toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw UserError(QStringLiteral("\"%1\" dosyası yazılamadı: %2")
                            .arg(QDir::toNativeSeparators(filePath), f.errorString()));
}

} // namespace ostrima
