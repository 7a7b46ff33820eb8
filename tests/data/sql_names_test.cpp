#include <gtest/gtest.h>

#include "data/db_error.h"
#include "data/sql_names.h"

using namespace ostrima;

namespace {

SqlNames names()
{
    SqlNames n;
    n.addTable(QStringLiteral("Q_master_table"),
               {QStringLiteral("hall_name"), QStringLiteral("Masa"), QStringLiteral("total")});
    n.addTable(QStringLiteral("Q_master_detay"),
               {QStringLiteral("hall_name"), QStringLiteral("masa"), QStringLiteral("QD_ID")});
    n.addTable(QStringLiteral("Q_userkontrol"), {QStringLiteral("pwd")});
    return n;
}

struct NameCase {
    const char* name;
    const char* sql;
    const char* postgres;
};

class SqlNamesTranslate : public ::testing::TestWithParam<NameCase> {};

TEST_P(SqlNamesTranslate, SpellsAndQuotesKnownNames)
{
    const auto& c = GetParam();
    EXPECT_EQ(names().translate(QString::fromUtf8(c.sql), true).toStdString(), c.postgres);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlNamesTranslate,
    ::testing::Values(
        NameCase{"column_by_its_table", "SELECT total FROM Q_master_table WHERE masa = :ms",
                 R"(SELECT "total" FROM "Q_master_table" WHERE "Masa" = :ms)"},
        NameCase{"other_table_other_spelling", "DELETE FROM q_master_detay WHERE MASA = :m",
                 R"(DELETE FROM "Q_master_detay" WHERE "masa" = :m)"},
        NameCase{"alias_decides", "SELECT t.masa, d.QD_ID FROM Q_master_table t JOIN "
                                  "Q_master_detay AS d ON d.masa = t.Masa",
                 R"(SELECT t."Masa", d."QD_ID" FROM "Q_master_table" t JOIN "Q_master_detay" AS d ON d."masa" = t."Masa")"},
        NameCase{"table_spelled_otherwise", "select pwd from Q_Userkontrol",
                 R"(select "pwd" from "Q_userkontrol")"},
        NameCase{"literals_params_and_functions_untouched",
                 "SELECT SUM(total) AS total FROM Q_master_table WHERE hall_name = 'Masa' AND "
                 "Masa = :masa",
                 R"(SELECT SUM("total") AS "total" FROM "Q_master_table" WHERE "hall_name" = 'Masa' AND "Masa" = :masa)"},
        NameCase{"insert_column_list", "INSERT INTO Q_master_detay (MASA, QD_ID) VALUES (:a, 1)",
                 R"(INSERT INTO "Q_master_detay" ("masa", "QD_ID") VALUES (:a, 1))"},
        NameCase{"unknown_names_left_alone", "SELECT COUNT(*) AS n FROM other",
                 "SELECT COUNT(*) AS n FROM other"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SqlNames, SQLiteGetsSpellingWithoutQuotes)
{
    EXPECT_EQ(names().translate(QStringLiteral("SELECT masa FROM Q_master_table"), false),
              QStringLiteral("SELECT Masa FROM Q_master_table"));
}

TEST(SqlNames, UndecidableSpellingIsAnError)
{
    // Both tables are named and the column is written in neither spelling.
    EXPECT_THROW(names().translate(QStringLiteral("SELECT MASA FROM Q_master_table, "
                                                  "Q_master_detay"),
                                   true),
                 DbError);
}

} // namespace

#include <QRandomGenerator>

#include "data/turkish_collation.h"

namespace {

// The shortcut for digits and Turkish letters orders exactly as the ICU collator does, which
// is also what PostgreSQL's collation does.
TEST(TextKeys, ShortcutAgreesWithTheCollator)
{
    const QString alphabet = QStringLiteral("0189aAbcCçÇdgGğĞhHıIiİjoOöÖsSşŞuUüÜvwxzZ -.");
    QRandomGenerator rng(20261211);
    auto word = [&] {
        QString w;
        const int n = rng.bounded(1, 6);
        for (int i = 0; i < n; ++i)
            w += alphabet[rng.bounded(alphabet.size())];
        return w;
    };
    for (int i = 0; i < 20000; ++i) {
        const QString a = word();
        const QString b = rng.bounded(4) == 0 ? a.toUpper() : word();
        ASSERT_EQ(compareTextKeys(a, b), compareTextKeysByCollator(a, b))
            << a.toStdString() << " / " << b.toStdString();
    }
}

} // namespace
