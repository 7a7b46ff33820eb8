#include "data/turkish_collation.h"

#include <sqlite3.h>

#include <QCollator>
#include <QLocale>

#include <optional>

namespace ostrima {

namespace {

QString withoutBlanks(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        if (!c.isSpace())
            out += c;
    }
    return out;
}

const QCollator& collator()
{
    static const QCollator c = [] {
        QCollator col(QLocale(QLocale::Turkish, QLocale::Turkey));
        col.setCaseSensitivity(Qt::CaseInsensitive);
        col.setNumericMode(false);
        col.setIgnorePunctuation(false);
        return col;
    }();
    return c;
}

// Primary weight of a character in the Turkish alphabet, case folded the Turkish way
// ("I" is the capital of "ı", "İ" of "i"); 0 for a character this table does not know.
int turkishWeight(char16_t c)
{
    static constexpr char16_t kAlphabet[] = u"0123456789abcçdefgğhıijklmnoöpqrsştuüvwxyz";
    switch (c) {
    case u'I': c = u'ı'; break;
    case u'İ': c = u'i'; break;
    case u'Ç': c = u'ç'; break;
    case u'Ğ': c = u'ğ'; break;
    case u'Ö': c = u'ö'; break;
    case u'Ş': c = u'ş'; break;
    case u'Ü': c = u'ü'; break;
    default:
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    }
    for (int i = 0; kAlphabet[i]; ++i) {
        if (kAlphabet[i] == c)
            return i + 1;
    }
    return 0;
}

// Digits and Turkish letters, as most codes and names are, compare by the table above;
// the result is the collator's for such text. Anything else is left to the collator.
std::optional<int> compareTurkishAlphanumeric(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    for (;;) {
        while (i < a.size() && a[i].isSpace())
            ++i;
        while (j < b.size() && b[j].isSpace())
            ++j;
        if (i == a.size() || j == b.size())
            break;
        const int wa = turkishWeight(a[i].unicode());
        const int wb = turkishWeight(b[j].unicode());
        if (wa == 0 || wb == 0)
            return std::nullopt;
        if (wa != wb) {
            // The rest must be known characters too, or the collator could order otherwise.
            for (qsizetype k = i; k < a.size(); ++k)
                if (!a[k].isSpace() && turkishWeight(a[k].unicode()) == 0)
                    return std::nullopt;
            for (qsizetype k = j; k < b.size(); ++k)
                if (!b[k].isSpace() && turkishWeight(b[k].unicode()) == 0)
                    return std::nullopt;
            return wa < wb ? -1 : 1;
        }
        ++i;
        ++j;
    }
    const bool aDone = i == a.size();
    const bool bDone = j == b.size();
    if (aDone && bDone)
        return 0;
    const QStringView rest = aDone ? b.mid(j) : a.mid(i);
    for (QChar c : rest)
        if (turkishWeight(c.unicode()) == 0)
            return std::nullopt;
    return aDone ? -1 : 1;
}

int sqliteCompare(void*, int lenA, const void* a, int lenB, const void* b)
{
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), lenA);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), lenB);
    return compareTextKeys(sa, sb);
}

} // namespace

int compareTextKeys(const QString& a, const QString& b)
{
    if (const auto fast = compareTurkishAlphanumeric(a, b))
        return *fast;
    return compareTextKeysByCollator(a, b);
}

int compareTextKeysByCollator(const QString& a, const QString& b)
{
    const int r = collator().compare(withoutBlanks(a), withoutBlanks(b));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool registerSqliteKeyCollation(sqlite3* handle)
{
    return sqlite3_create_collation(handle, "TRKEY", SQLITE_UTF8, nullptr, &sqliteCompare) ==
           SQLITE_OK;
}

} // namespace ostrima
