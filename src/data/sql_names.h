#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace ostrima {

struct Schema;

// Statement text is written with the system's names as its tables spell them, unquoted, as
// one would on a case-insensitive server. PostgreSQL keeps the case of a name only when it
// is quoted, so before a statement reaches it every known table and column name is put into
// its declared spelling and quoted. A column name that two tables spell differently ("Masa"
// in one, "masa" in another) is resolved by the table it is qualified with, else by the
// tables the statement names.
class SqlNames {
public:
    SqlNames() = default;
    explicit SqlNames(const Schema& schema);

    void addTable(const QString& table, const QStringList& columns);

    // Returns the statement with known names spelled as declared; quoted when `quote`.
    // Throws DbError when a column's spelling cannot be decided.
    QString translate(const QString& sql, bool quote) const;

private:
    struct ColumnSpelling {
        QString spelling;
        QStringList tables; // lower-case table names
    };
    QHash<QString, QString> m_tables;                    // lower -> declared
    QHash<QString, QList<ColumnSpelling>> m_columns;     // lower -> spellings
};

} // namespace ostrima
