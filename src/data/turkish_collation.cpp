#include "data/turkish_collation.h"

#include <sqlite3.h>

#include <QCollator>
#include <QLocale>

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

int sqliteCompare(void*, int lenA, const void* a, int lenB, const void* b)
{
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), lenA);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), lenB);
    return compareTextKeys(sa, sb);
}

} // namespace

int compareTextKeys(const QString& a, const QString& b)
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
