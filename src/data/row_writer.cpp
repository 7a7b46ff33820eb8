#include "data/row_writer.h"

#include <QStringList>

namespace ostrima {

qint64 insertRow(Db& db, const QString& table, const Row& row, const QString& keyColumn)
{
    QStringList columns;
    QStringList placeholders;
    Params params;
    params.reserve(row.size());
    for (size_t i = 0; i < row.size(); ++i) {
        columns << row[i].first;
        const QString p = QStringLiteral("p%1").arg(i);
        placeholders << QLatin1Char(':') + p;
        params.emplace_back(p, row[i].second);
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QLatin1Char(',')),
                                 placeholders.join(QLatin1Char(',')));
    if (keyColumn.isEmpty()) {
        db.exec(sql, params);
        return 0;
    }
    return db.insert(sql, params, keyColumn);
}

} // namespace ostrima
