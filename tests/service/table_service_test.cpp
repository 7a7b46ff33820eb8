#include "data/row_writer.h"
#include "service/hall_map.h"
#include "service/table_service.h"
#include "service_fixture.h"

using namespace ostrima;
using namespace ostrima::test;

namespace {

class TableServiceTest : public ServiceTest {
protected:
    void SetUp() override
    {
        ServiceTest::SetUp();
        m_session.pos_ed = s("SALON");
        m_session.lblpcadi = s("T1");
        addUser(s("Ali"), s("3333"));
    }
    void addTerminal(const QString& garsonkodu)
    {
        insertRow(*m_db, s("q_admin_c"), {{s("clnum"), s("T1")}, {s("garsonkodu"), garsonkodu}});
    }
    TableService service() { return TableService(*m_db, m_session, m_ui, m_clock); }
    QString cellText(const QString& masa)
    {
        for (const MapCell& c : buildHallMap(*m_db, m_session.pos_ed, 6, m_clock.now()).cells) {
            if (c.code == masa)
                return c.text;
        }
        return {};
    }
};

TEST_F(TableServiceTest, ClickOnATableInEveryState)
{
    struct Case {
        const char* name;
        bool kuversor;
        const char* fixedCode;   // terminal's `garsonkodu`
        const char* waiter;      // header's waiter; lines when not empty
        bool transfer;
        std::vector<int> modes;  // prompts expected
        const char* promptResult;
        TableClick result;
        double kuvTut, pax;      // header afterwards
    };
    const Case cases[] = {
        {"guests asked", true, "", "", false, {100}, "4", TableClick::OpenOrderScreen, 60, 4},
        {"no guests", false, "", "", false, {100}, "3333", TableClick::OpenOrderScreen, 15, 1},
        {"waiter cancelled", true, "", "", false, {100}, "0", TableClick::Cancelled, 0, 0},
        {"fixed code, guests", true, "3333", "", false, {200}, "3", TableClick::OpenOrderScreen,
         45, 3},
        {"fixed code, no guests", false, "3333", "", false, {}, "", TableClick::OpenOrderScreen,
         15, 1},
        {"open check", true, "", "Ali", false, {}, "", TableClick::ShowCheck, 0, 0},
        {"blocked", true, "", "BLOKE", false, {}, "", TableClick::Blocked, 0, 0},
        {"transfer", true, "", "", true, {}, "", TableClick::TransferRequested, 0, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_db->exec(s("DELETE FROM Q_Admin"));
        m_db->exec(s("DELETE FROM q_admin_c"));
        addHall(s("SALON"), {{s("kuversor"), c.kuversor}, {s("kuverfiyat"), 15.0}});
        addTerminal(s(c.fixedCode));
        const QString masa = QString::number(++n);
        addTable(s("SALON"), masa, n,
                 {{s("waiter"), s(c.waiter)}, {s("kuv_tut"), 0.0}, {s("pax"), 0.0}});
        if (*c.waiter)
            addLine(s("SALON"), masa, s("Çay"), 1);
        m_session.edtmasa = c.transfer ? s("9") : s("");
        m_session.waiter.clear();
        m_ui = ScriptedInteraction();
        if (*c.promptResult)
            m_ui.promptResults.push_back(s(c.promptResult));
        if (c.result == TableClick::Blocked)
            m_ui.answers.push_back(100);

        EXPECT_EQ(service().gridClickCell(cellText(masa)), c.result);
        EXPECT_EQ(m_ui.promptedModes, c.modes);
        EXPECT_EQ(header(s("SALON"), masa, s("kuv_tut")).toDouble(), c.kuvTut);
        EXPECT_EQ(header(s("SALON"), masa, s("pax")).toDouble(), c.pax);
        if (c.result == TableClick::Blocked) {
            ASSERT_EQ(m_ui.asked.size(), 1u);
            EXPECT_EQ(m_ui.asked[0].instruction, s("Blokeli Masa"));
            EXPECT_EQ(m_ui.asked[0].expandedText, s("Blokeli Masa"));
        }
        if (*c.fixedCode) {
            EXPECT_EQ(m_session.waiter, s("Ali"));
        }
        EXPECT_EQ(m_session.masano.isEmpty(), c.result == TableClick::Cancelled);
    }
    m_session.edtmasa.clear();
    EXPECT_EQ(service().gridClickCell(QString()), TableClick::NewTableRequested);
}

// The cell of table "7" selects "7    "; the database still finds table 7 by that code.
TEST_F(TableServiceTest, AShortCodeKeepsItsBlanksAndIsStillFound)
{
    addHall(s("SALON"));
    addTerminal(s(""));
    addTable(s("SALON"), s("7"), 1);
    m_ui.promptResults = {s("3333")};
    EXPECT_EQ(service().gridClickCell(cellText(s("7"))), TableClick::OpenOrderScreen);
    EXPECT_EQ(m_session.masano, s("7    "));
    EXPECT_EQ(header(s("SALON"), s("7"), s("pax")).toDouble(), 1.0);

    addLine(s("SALON"), s("7"), s("Çay"), 1);
    EXPECT_EQ(service().gridClickCell(cellText(s("7"))), TableClick::ShowCheck);
}

TEST_F(TableServiceTest, DoubleClickAddsToTheSelectedTable)
{
    struct Case {
        const char* name;
        bool askWaiter;
        const char* waiter;
        bool printed;
        const char* prompt;
        int answer; // to the printed-check question
        TableClick result;
    };
    const Case cases[] = {
        {"open", false, "Ali", false, nullptr, 0, TableClick::OpenOrderScreen},
        {"waiter asked", true, "Ali", false, "3333", 0, TableClick::OpenOrderScreen},
        {"waiter cancelled", true, "Ali", false, "0", 0, TableClick::Cancelled},
        {"printed, go on", false, "Ali", true, nullptr, 100, TableClick::OpenOrderScreen},
        {"printed, stop", false, "Ali", true, nullptr, 101, TableClick::Cancelled},
        {"blocked", true, "BLOKE", false, nullptr, 100, TableClick::Blocked},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_db->exec(s("DELETE FROM Q_Admin"));
        addHall(s("SALON"), {{s("ask_waiter_pwd"), c.askWaiter}});
        const QString masa = QString::number(++n);
        addTable(s("SALON"), masa, n, {{s("waiter"), s(c.waiter)}, {s("adisyaz"), c.printed}});
        m_session.masano = masa;
        m_ui = ScriptedInteraction();
        if (c.prompt)
            m_ui.promptResults.push_back(s(c.prompt));
        if (c.answer)
            m_ui.answers.push_back(c.answer);
        EXPECT_EQ(service().gridDblClickCell(), c.result);
        EXPECT_TRUE(m_ui.answers.empty() && m_ui.promptResults.empty());
        if (c.printed) {
            ASSERT_EQ(m_ui.asked.size(), 1u);
            EXPECT_EQ(m_ui.asked[0].buttons, QStringList({s("Evet"), s("Hayır")}));
        }
    }
    m_session.masano.clear();
    EXPECT_EQ(service().gridDblClickCell(), TableClick::Nothing);
}

TEST_F(TableServiceTest, AdHocTablesAreCreatedOnceAfterTheLastOne)
{
    addHall(s("SALON"), {{s("masaac"), true}});
    addHall(s("BAHÇE"));
    addHall(s("TERAS"), {{s("masaac"), true}});
    addTable(s("SALON"), s("12"), 3);
    addTable(s("SALON"), s("B4"), 7);
    auto tables = [&](const QString& hall) {
        return m_db->scalar(s("SELECT COUNT(*) FROM Q_master_table WHERE hall_name = :h"),
                            {{s("h"), hall}}).toInt();
    };

    m_ui.answers = {100};
    EXPECT_FALSE(service().canCreateTables(s("BAHÇE")));
    EXPECT_EQ(m_ui.asked.back().instruction, s("Masa Açma Sistemi Devre Dışı Bırakılmış"));
    EXPECT_TRUE(service().canCreateTables(s("SALON")));

    // Taken codes, spelled as the key rule still matches them, and no code at all.
    for (const char* code : {"12", "12 ", "b4", "", "0"}) {
        SCOPED_TRACE(code);
        m_ui.answers = {100};
        EXPECT_FALSE(service().createAdHocTable(s(code)));
        EXPECT_EQ(m_ui.asked.back().buttons, QStringList{s("Yeni Masa Nosu Gir")});
    }
    EXPECT_EQ(m_ui.asked[1].instruction, s("Masa Kodu Zaten Kullanılıyor"));
    EXPECT_EQ(tables(s("SALON")), 2);

    EXPECT_TRUE(service().createAdHocTable(s("13")));
    EXPECT_EQ(header(s("SALON"), s("13"), s("sira")).toInt(), 8);
    EXPECT_EQ(header(s("SALON"), s("13"), s("subtotal")).toDouble(), 0.0);
    m_session.pos_ed = s("TERAS");
    EXPECT_TRUE(service().createAdHocTable(s("13")));
    EXPECT_EQ(header(s("TERAS"), s("13"), s("sira")).toInt(), 1);

    m_ui.promptResults = {s("0"), s("3333")};
    EXPECT_EQ(service().openNewTable(s("13")), TableClick::Cancelled);
    EXPECT_TRUE(m_session.masano.isEmpty());
    EXPECT_EQ(service().openNewTable(s("13")), TableClick::OpenOrderScreen);
    EXPECT_EQ(m_session.masano, s("13"));
    EXPECT_EQ(m_ui.promptedModes, (std::vector<int>{100, 100}));

    for (const char* masa : {"5", "", "12", "5"})
        insertRow(*m_db, s("Q_adisyon"), {{s("adisyon"), 1.0}, {s("masa"), s(masa)}});
    EXPECT_EQ(service().usedTableCodes(), QStringList({s("12"), s("5")}));
}

TEST_F(TableServiceTest, HallPasswordGuardsTheHall)
{
    addHall(s("SALON"));
    addHall(s("VIP"), {{s("hall_pwd"), s("77")}});
    m_session.masano = s("3");

    m_ui.promptResults = {s("0"), s("77")};
    EXPECT_FALSE(service().selectHall(s("VIP")));
    EXPECT_TRUE(m_session.pos_ed.isEmpty());
    EXPECT_TRUE(service().selectHall(s("VIP")));
    EXPECT_EQ(m_session.pos_ed, s("VIP"));
    EXPECT_TRUE(service().selectHall(s("SALON")));
    EXPECT_EQ(m_session.pos_ed, s("SALON"));
    EXPECT_TRUE(m_session.masano.isEmpty());
    EXPECT_EQ(m_ui.promptedModes, (std::vector<int>{998, 998}));
}

} // namespace
