#include "data/row_writer.h"
#include "data/turkish_collation.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

struct KeyCase {
    const char* name;
    QString stored;
    QString asked;
    bool same;
};

const KeyCase kKeyCases[] = {
    {"trailing_blank", QStringLiteral("12"), QStringLiteral("12 "), true},
    {"stored_with_blank", QStringLiteral("12 "), QStringLiteral("12"), true},
    {"dotted_capital_i", QStringLiteral("İZMİR"), QStringLiteral("izmir"), true},
    {"dotless_capital_i", QStringLiteral("ISPARTA"), QStringLiteral("ısparta"), true},
    {"capital_i_is_not_dotted_i", QStringLiteral("ISPARTA"), QStringLiteral("isparta"), false},
    {"turkish_letters", QStringLiteral("ÇAĞ"), QStringLiteral("çağ"), true},
    {"letters_stay_distinct", QStringLiteral("CAG"), QStringLiteral("çağ"), false},
    {"different_table", QStringLiteral("12"), QStringLiteral("120"), false},
};

class CollationTest : public SiteDbTest {};

// "12" and "12 " are one table and hall names fold Turkish case, in the database (on both
// backends) and in the program's own comparison.
TEST_F(CollationTest, TextKeysCompareAlikeInDatabaseAndProgram)
{
    for (const auto& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        m_db->exec(QStringLiteral("DELETE FROM Q_master_table"));
        insertRow(*m_db, QStringLiteral("Q_master_table"),
                  {{QStringLiteral("hall_name"), c.stored}, {QStringLiteral("Masa"), c.stored}});
        const int found =
            m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_master_table WHERE hall_name = :h "
                                        "AND Masa = :m"),
                         {{QStringLiteral("h"), c.asked}, {QStringLiteral("m"), c.asked}})
                .toInt();
        EXPECT_EQ(found, c.same ? 1 : 0);
        EXPECT_EQ(compareTextKeys(c.stored, c.asked) == 0, c.same);
    }
}

TEST_F(CollationTest, LinesOfOneTableGroupTogether)
{
    for (const auto& masa : {QStringLiteral("5"), QStringLiteral("5 "), QStringLiteral("6")})
        insertRow(*m_db, QStringLiteral("Q_master_detay"),
                  {{QStringLiteral("hall_name"), QStringLiteral("Bahçe")},
                   {QStringLiteral("masa"), masa},
                   {QStringLiteral("sip_time"), QStringLiteral("12:00:00")}});
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_table_time")).toInt(), 2);
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_master_detay WHERE hall_name = "
                                          "'BAHÇE' AND masa = '5'"))
                  .toInt(),
              2);
}

} // namespace
