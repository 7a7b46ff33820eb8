#include "data/demo_restaurant.h"
#include "settings/terminal_settings.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class SettingsReadTest : public SiteDbTest {};

TEST_F(SettingsReadTest, TerminalAndHallRowsAreReadFresh)
{
    EXPECT_FALSE(TerminalSettings::read(*m_db, QStringLiteral("T1")).found);
    loadDemoRestaurant(*m_db, m_database->siteDir(), QStringLiteral("T1"));
    const TerminalSettings t = TerminalSettings::read(*m_db, QStringLiteral("T1"));
    EXPECT_TRUE(t.found);
    EXPECT_EQ(t.dpos, QStringLiteral("SALON"));
    EXPECT_EQ(TerminalSettings::wholeCount(t.kolon), 6);
    EXPECT_FALSE(TerminalSettings::read(*m_db, QStringLiteral("T2")).found);
    EXPECT_TRUE(TerminalSettings::readFirstRow(*m_db).found);

    const HallSettings bahce = HallSettings::read(*m_db, QStringLiteral("bahçe"));
    EXPECT_TRUE(bahce.found);
    EXPECT_TRUE(bahce.kuversor);
    EXPECT_GT(bahce.kuverfiyat, 0);
    EXPECT_EQ(HallSettings::mapHalls(*m_db),
              (QStringList{QStringLiteral("BAHÇE"), QStringLiteral("SALON"), QStringLiteral("TERAS")}));

    // A change made on another terminal shows at the next read.
    m_db->exec(QStringLiteral("UPDATE q_admin_c SET kolon = 0 WHERE clnum = 'T1'"));
    EXPECT_FALSE(TerminalSettings::wholeCount(TerminalSettings::read(*m_db, QStringLiteral("T1")).kolon));
}

} // namespace
