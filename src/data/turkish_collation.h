#pragma once

#include <QString>

struct sqlite3;

namespace ostrima {

// Order and equality of text keys (hall names, table codes, product codes): Turkish
// alphabet, case-insensitive with Turkish case pairs ("İ"/"i", "I"/"ı"), blanks ignored,
// so "12" and "12 " are one table. PostgreSQL gets the same rule as an ICU collation.
int compareTextKeys(const QString& a, const QString& b);
// The same rule, always through the ICU collator (compareTextKeys takes a shortcut for
// digits and Turkish letters, which must agree with it).
int compareTextKeysByCollator(const QString& a, const QString& b);

// Registers the rule as the collation TRKEY on an open SQLite connection.
bool registerSqliteKeyCollation(sqlite3* handle);

} // namespace ostrima
