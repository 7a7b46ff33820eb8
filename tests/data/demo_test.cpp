#include <QDir>
#include <QProcess>
#include <QSet>

#include "data/demo_restaurant.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class DemoTest : public SiteDbTest {
protected:
    int count(const QString& sql) { return m_db->scalar(sql).toInt(); }
};

// The demo restaurant gives every screen something real to show: halls of each kind, a
// menu with recipes and features, routed printers, users of every role, this terminal.
TEST_F(DemoTest, FillsANewSiteWithARestaurant)
{
    loadDemoRestaurant(*m_db, m_database->siteDir(), QStringLiteral("DEMO-TERMINAL"));

    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Q_Admin WHERE takeaway = '0'")), 3);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Q_Admin WHERE masaac = '1'")), 1);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Q_Admin WHERE kuversor = '1' AND "
                                   "kuverfiyat > 0")),
              1);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Q_master_table")), 35);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Q_Grups")), 8);
    EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM Q_ITEMS WHERE URUN = '1'")), 50);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Q_ITEMS_DETAY")), 0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Q_ITEMS_DETAYX")), 0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Q_ITEMS_ORTAK")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Q_odemetipi WHERE odemetipi IN "
                                   "('NAKIT', 'KREDI')")),
              2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM q_admin_c WHERE clnum = "
                                   "'DEMO-TERMINAL' AND kolon > 0")),
              1);
    // Every product a hall sells reaches a department with a printer.
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT COUNT(*) FROM Q_Admin_Second s WHERE NOT EXISTS (SELECT 1 FROM "
                  "Q_Admin_Details d WHERE d.hall_name = s.hall_name AND d.DEPARTMENT = "
                  "s.DEPARTMENT)")),
              0);
    EXPECT_TRUE(QDir(m_database->siteDir()).exists(QStringLiteral("printers")));

    // Users of the three roles, each with a code of their own, as the README lists them.
    QSet<QString> codes;
    QSet<QString> roles;
    for (const auto& u : demoUsers()) {
        codes.insert(u.pwd);
        roles.insert(u.bolum);
    }
    EXPECT_EQ(codes.size(), static_cast<qsizetype>(demoUsers().size()));
    EXPECT_EQ(roles, (QSet<QString>{QStringLiteral("Kasiyer"), QStringLiteral("Garson"),
                                    QStringLiteral("Admin")}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Q_userkontrol")),
              static_cast<int>(demoUsers().size()));
}

// The installer's path: ostrimactl demo makes a site, check reports it, a second demo into
// the same site is refused.
TEST_F(DemoTest, CompanionCreatesAndChecksASite)
{
    TestDatabase fresh(QStringLiteral("ctl"));
    QStringList where = {QStringLiteral("--site"), fresh.siteDir(), QStringLiteral("--client"),
                         QStringLiteral("T9")};
    auto run = [&](const QString& command) {
        QProcess p;
        p.start(QStringLiteral(OSTRIMA_CTL), QStringList{command} + where);
        EXPECT_TRUE(p.waitForFinished(300000));
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() +
                                                              p.readAllStandardError()));
    };
    auto [rc, out] = run(QStringLiteral("demo"));
    ASSERT_EQ(rc, 0) << out.toStdString();
    std::tie(rc, out) = run(QStringLiteral("check"));
    EXPECT_EQ(rc, 0) << out.toStdString();
    EXPECT_TRUE(out.contains(backendName(testBackend()))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("settings row found"))) << out.toStdString();
    std::tie(rc, out) = run(QStringLiteral("demo"));
    EXPECT_NE(rc, 0);
}

} // namespace
