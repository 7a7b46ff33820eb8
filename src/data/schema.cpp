#include "data/schema.h"

namespace ostrima {

namespace {
ColumnDef make(const QString& name, ColumnType type, int length = 0, bool key = false)
{
    return ColumnDef{name, type, length, key};
}
} // namespace

ColumnDef identity(const QString& name) { return make(name, ColumnType::Identity); }
ColumnDef intIdentity(const QString& name) { return make(name, ColumnType::IntIdentity); }
ColumnDef text(const QString& name, int length) { return make(name, ColumnType::Text, length); }
ColumnDef keyText(const QString& name, int length)
{
    return make(name, ColumnType::Text, length, true);
}
ColumnDef wideText(const QString& name, int length)
{
    return make(name, ColumnType::WideText, length);
}
ColumnDef fixedText(const QString& name, int length)
{
    return make(name, ColumnType::FixedText, length);
}
ColumnDef flt(const QString& name) { return make(name, ColumnType::Float); }
ColumnDef integer(const QString& name) { return make(name, ColumnType::Int); }
ColumnDef bigint(const QString& name) { return make(name, ColumnType::BigInt); }
ColumnDef bit(const QString& name) { return make(name, ColumnType::Bit); }
ColumnDef datetime(const QString& name) { return make(name, ColumnType::DateTime); }
ColumnDef image(const QString& name) { return make(name, ColumnType::Image); }

const TableDef* Schema::table(const QString& name) const
{
    for (const auto& t : tables) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

void Schema::addTable(QString name, std::vector<ColumnDef> columns, QStringList seeds)
{
    tables.push_back(TableDef{std::move(name), std::move(columns), std::move(seeds)});
}

const Schema& siteSchema()
{
    static const Schema schema = [] {
        Schema s;
        addCheckTables(s);
        addLedgerTables(s);
        addSettingsTables(s);
        addServiceTables(s);
        addCheckViews(s);
        addLedgerViews(s);
        addIndexes(s);
        return s;
    }();
    return schema;
}

} // namespace ostrima
