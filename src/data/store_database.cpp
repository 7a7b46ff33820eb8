#include "data/store_database.h"

#include <QDir>

#include "app/ayar_ini.h"
#include "data/schema.h"
#include "data/site_database.h"
#include "data/sql_names.h"

namespace ostrima {

namespace {
QString s(const char* t) { return QString::fromLatin1(t); }

void stamps(std::vector<ColumnDef>& cols)
{
    cols.push_back(datetime(s("CREATE_DATE")));
    cols.push_back(bigint(s("FK_USER_CREATE")));
    cols.push_back(datetime(s("MODIFY_DATE")));
    cols.push_back(bigint(s("FK_USER_MODIFY")));
    cols.push_back(bigint(s("FK_STORE_LU")));
    cols.push_back(bigint(s("FK_STORE_LS")));
    cols.push_back(bigint(s("UPDATESEQ")));
}

TableDef table(const char* name, std::vector<ColumnDef> cols, bool withStamps)
{
    if (withStamps)
        stamps(cols);
    return TableDef{s(name), std::move(cols), {}};
}
} // namespace

const Schema& storeSchema()
{
    static const Schema schema = [] {
        Schema sc;
        sc.tables.push_back(table(
            "STOCK_CARD",
            {bigint(s("ID")), text(s("CODE"), 24), text(s("DESCRIPTION"), 100),
             integer(s("ITEM_TYPE")), text(s("POS_DESCRIPTION"), 100),
             text(s("SHELF_DESCRIPTION"), 100), text(s("SCALE_DESCRIPTION"), 100),
             flt(s("UNIT_DIVISOR")), flt(s("UNIT_MULTIPLIER")), bit(s("QUANTITY_FLAG")),
             bit(s("SCALE_FLAG")), bigint(s("FK_DEPARTMENT_VAT")), bigint(s("FK_UNIT")),
             bigint(s("FK_PROMO_DISCOUNT_GROUP"))},
            true));
        sc.tables.push_back(table("STOCK_BARCODE",
                                  {bigint(s("FK_STOCK_CARD")), bigint(s("ID")),
                                   text(s("BARCODE"), 24), integer(s("PTYPE")),
                                   flt(s("QUANTITY")), integer(s("CK_STOCK_PRICE_NO"))},
                                  false));
        sc.tables.push_back(
            table("VAT", {bigint(s("ID")), integer(s("NUM")), flt(s("PERCENTAGE"))}, true));
        sc.tables.push_back(table(
            "STOCK_PRICE",
            {bigint(s("ID")), bigint(s("FK_STORE")), bigint(s("FK_STOCK_CARD")),
             integer(s("NUM")), flt(s("UNIT_PRICE")), flt(s("LABEL_PRICE")),
             bigint(s("FK_PAYMENT_TYPE")), flt(s("BUY_PRICE")), flt(s("BUY_LABEL_PRICE"))},
            true));
        sc.tables.push_back(table("STOCK_CARD_EXTENSION",
                                  {bigint(s("FK_STOCK_CARD")), bit(s("ACTIVE"))}, false));
        sc.tables.push_back(table(
            "CHECK_HEADER",
            {bigint(s("ID")), integer(s("TABLE_NUM")), bigint(s("FK_POS")), bigint(s("FK_USER")),
             bigint(s("FK_OPENING_USER")), bigint(s("FK_CLOSING_USER")),
             datetime(s("TRANS_DATE")), flt(s("GROSS_TOTAL")), bigint(s("BILL_NUMBER")),
             flt(s("DISCOUNT_PERCENT")), bigint(s("FK_TRANSACTION_HEADER")),
             bit(s("COMPLETED")), integer(s("NUMBER_OF_PEOPLE")), integer(s("PTYPE")),
             integer(s("SALE_TYPE")), integer(s("STATUS"))},
            true));
        sc.tables.push_back(table(
            "CHECK_LINE",
            {bigint(s("ID")), bigint(s("FK_CHECK_HEADER")), integer(s("LINE_NO")),
             bigint(s("FK_CHECK_LINE")), integer(s("ITEM_TYPE")), flt(s("VAT_PERCENT")),
             text(s("FK_DEPARTMENT_VAT"), 20), flt(s("AMOUNT")), text(s("MULDIV"), 10),
             bigint(s("FK_UNIT")), bigint(s("FK_PAYMENT_TYPE")), flt(s("UNIT_PRICE")),
             flt(s("ORG_UNIT_PRICE")), text(s("FK_STOCK_CARD"), 100), text(s("STOCK_CODE"), 24),
             text(s("DESCRIPTION"), 100), text(s("BARCODE"), 50),
             flt(s("CURRENCY_UNIT_PRICE")), flt(s("DISCOUNT_TOTAL"))},
            true));
        return sc;
    }();
    return schema;
}

const SqlNames& storeSqlNames()
{
    static const SqlNames names(storeSchema());
    return names;
}

ConnectionSettings storeConnectionSettings(Db& site, const QString& siteDir)
{
    QString server;
    QString database;
    {
        Query q = site.exec(
            QStringLiteral("SELECT FK_IP_NUM, FK_DATABASE FROM Q_IBM_ENT ORDER BY Q_I"));
        if (q.next()) {
            server = q.text(QStringLiteral("FK_IP_NUM")).trimmed();
            database = q.text(QStringLiteral("FK_DATABASE")).trimmed();
        }
    }
    if (database.isEmpty())
        database = QString::fromLatin1(kStoreDatabase);
    AyarIni ini{server, database};
    ConnectionSettings settings = siteConnectionSettings(ini, siteDir);
    if (settings.backend == Backend::PostgreSQL)
        settings.user = QString::fromLatin1(kStoreUser);
    return settings;
}

std::unique_ptr<Db> openStoreDatabase(Db& site, const QString& siteDir)
{
    return Db::open(storeConnectionSettings(site, siteDir), &storeSqlNames());
}

} // namespace ostrima
