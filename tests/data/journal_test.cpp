#include "app/clock.h"
#include "app/session.h"
#include "cashdesk/cash_movement.h"
#include "data/audit.h"
#include "data/row_writer.h"
#include "support/test_database.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class JournalTest : public SiteDbTest {
protected:
    void SetUp() override
    {
        SiteDbTest::SetUp();
        insertRow(*m_db, QStringLiteral("Q_master_table"),
                  {{QStringLiteral("hall_name"), QStringLiteral("SALON")},
                   {QStringLiteral("Masa"), QStringLiteral("7")},
                   {QStringLiteral("total"), 245.5},
                   {QStringLiteral("Adsno"), 1042.0}});
        m_session.pos_ed = QStringLiteral("SALON");
        m_session.masano = QStringLiteral("7");
        m_session.cash_ed = QStringLiteral("Ayşe");
        m_session.tarih = QDate(2026, 12, 1);
    }

    FixedClock m_clock{QDateTime(QDate(2026, 12, 11), QTime(21, 5, 9))};
    Session m_session;
};

struct AuditCase {
    const char* name;
    QString islemyapan;
    QString sebep;
    QString person;
    bool itemTrans;
    bool billTrans;
};

const AuditCase kAuditCases[] = {
    {"no_authoriser", QString(), QStringLiteral("Ekle"), QStringLiteral("Ayşe"), false, false},
    {"marker_one_means_none", QStringLiteral("1"), QStringLiteral("Iade"),
     QStringLiteral("Ayşe"), false, false},
    {"authoriser_named", QStringLiteral("Mehmet"), QStringLiteral("Servis"),
     QStringLiteral("Mehmet"), false, false},
    {"item_transfer", QString(), QStringLiteral("U.Trans"), QStringLiteral("Ayşe"), true, false},
    {"table_transfer", QStringLiteral("Mehmet"), QStringLiteral("H.Trans"),
     QStringLiteral("Mehmet"), false, true},
};

// The audit routine: who is written, the transfer columns only for the two transfers, the
// header's total and check number, and nothing carried over from an earlier call.
TEST_F(JournalTest, AuditRowFollowsTheRules)
{
    for (const auto& c : kAuditCases) {
        SCOPED_TRACE(c.name);
        m_db->exec(QStringLiteral("DELETE FROM Q_bugs"));
        m_session.islemyapan = c.islemyapan;
        gunluk(*m_db, m_session, m_clock, AuditEntry{c.sebep, QStringLiteral("Adana Kebap"), 2, {}});
        // A second call that gives only the operation name: everything else empty.
        gunluk(*m_db, m_session, m_clock, AuditEntry{c.sebep, {}, {}, {}});

        Query q = m_db->exec(QStringLiteral("SELECT * FROM Q_bugs ORDER BY S_ID"));
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.text(QStringLiteral("garson")), c.person);
        EXPECT_EQ(q.text(QStringLiteral("username")), c.person);
        EXPECT_EQ(q.date(QStringLiteral("GUN")), QDate(2026, 12, 11));
        EXPECT_EQ(q.text(QStringLiteral("ZAMAN")), QStringLiteral("21:05:09"));
        EXPECT_EQ(q.text(QStringLiteral("URUN_ADI")), QStringLiteral("Adana Kebap"));
        EXPECT_EQ(q.number(QStringLiteral("ADET")), 2);
        EXPECT_EQ(q.number(QStringLiteral("total")), 245.5);
        EXPECT_EQ(q.number(QStringLiteral("adisyon")), 1042);
        EXPECT_EQ(q.text(QStringLiteral("item_trans")),
                  c.itemTrans ? QStringLiteral("SALON  7") : QString());
        EXPECT_EQ(q.text(QStringLiteral("bill_trans")),
                  c.billTrans ? QStringLiteral("SALON  7") : QString());
        EXPECT_TRUE(q.value(QStringLiteral("indirim")).isNull());
        EXPECT_TRUE(q.value(QStringLiteral("servis")).isNull());

        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.text(QStringLiteral("URUN_ADI")), QString());
        EXPECT_TRUE(q.value(QStringLiteral("ADET")).isNull());
        EXPECT_EQ(q.text(QStringLiteral("deta")), QString());
    }
    EXPECT_EQ(m_session.tarih, QDate(2026, 12, 11)); // the routine moves the date to today
}

Row cashRow(const QString& customer)
{
    return {{QStringLiteral("HESADI"), QStringLiteral("Ayşe")},
            {QStringLiteral("Tarih"), QDate(2026, 12, 11)},
            {QStringLiteral("Saat"), QStringLiteral("21:05:09")},
            {QStringLiteral("Detay"), QStringLiteral("Kasa Tahsilat")},
            {QStringLiteral("Q_odemetipi"), QStringLiteral("NAKIT")},
            {QStringLiteral("Borc"), 0.0},
            {QStringLiteral("Alacak"), 150.0},
            {QStringLiteral("AADI"), customer}};
}

Row customerRow(const QString& customer)
{
    return {{QStringLiteral("HESADI"), customer},
            {QStringLiteral("Tarih"), QDate(2026, 12, 11)},
            {QStringLiteral("Alacak"), 150.0},
            {QStringLiteral("Borc"), 0.0}};
}

// Two terminals post at the same time: each customer row points at its own cash row.
TEST_F(JournalTest, CashMovementLinksTheKeyOfItsOwnRow)
{
    auto other = m_database->open();
    for (int i = 0; i < 5; ++i) {
        const QString a = QStringLiteral("Müşteri A%1").arg(i);
        const QString b = QStringLiteral("Müşteri B%1").arg(i);
        const qint64 ka = postCashWithCustomer(*m_db, cashRow(a), customerRow(a));
        insertRow(*other, QStringLiteral("Q_kasa_detay"), cashRow(QStringLiteral("araya giren")));
        const qint64 kb = postCashWithCustomer(*other, cashRow(b), customerRow(b));
        EXPECT_NE(ka, kb);
    }
    Query q = m_db->exec(QStringLiteral(
        "SELECT c.HESADI AS who, k.AADI AS cashFor FROM Q_Customer_details c JOIN Q_kasa_detay k "
        "ON k.KAYIT_NO = c.CARIHESAP_ID"));
    int pairs = 0;
    while (q.next()) {
        EXPECT_EQ(q.text(QStringLiteral("who")), q.text(QStringLiteral("cashFor")));
        ++pairs;
    }
    EXPECT_EQ(pairs, 10);
}

TEST_F(JournalTest, CashMovementIsBothRowsOrNeither)
{
    Row broken = customerRow(QStringLiteral("Müşteri"));
    broken.emplace_back(QStringLiteral("HESNO"), QString(51, QLatin1Char('9'))); // too long
    EXPECT_THROW(postCashWithCustomer(*m_db, cashRow(QStringLiteral("Müşteri")), broken), DbError);
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_kasa_detay")).toInt(), 0);

    const qint64 k = postCashWithCustomer(*m_db, cashRow(QStringLiteral("Müşteri")),
                                          customerRow(QStringLiteral("Müşteri")));
    removeCashWithCustomer(*m_db, k);
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_kasa_detay")).toInt(), 0);
    EXPECT_EQ(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_Customer_details")).toInt(), 0);
}

// The report views put date and time together in `zaman`, so a range up to 23:59:00 of a day
// holds that day's rows up to that minute.
TEST_F(JournalTest, ViewsFilterByDateAndTime)
{
    for (const auto& saat : {QStringLiteral("00:00:00"), QStringLiteral("12:30:00"),
                             QStringLiteral("23:59:00"), QStringLiteral("23:59:30")}) {
        Row r = cashRow(QStringLiteral("x"));
        r[2].second = saat;
        insertRow(*m_db, QStringLiteral("Q_kasa_detay"), r);
    }
    const int n = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Q_kasa_sorgu WHERE zaman "
                                              "BETWEEN :Bastar AND :BitTar"),
                               {{QStringLiteral("Bastar"), QDateTime(QDate(2026, 12, 11), QTime(0, 0))},
                                {QStringLiteral("BitTar"), QDateTime(QDate(2026, 12, 11), QTime(23, 59))}})
                      .toInt();
    EXPECT_EQ(n, 3);
}

} // namespace
