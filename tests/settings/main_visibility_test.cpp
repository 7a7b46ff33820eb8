#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "settings/main_visibility.h"
#include "settings/terminal_settings.h"

using namespace ostrima;

namespace {

using Flag = bool TerminalSettings::*;

TerminalSettings row(std::initializer_list<Flag> on)
{
    TerminalSettings t;
    t.found = true;
    t.kolon = 6;
    for (Flag f : on)
        t.*f = true;
    return t;
}

const std::initializer_list<Flag> allOn = {
    &TerminalSettings::mixedmod, &TerminalSettings::yonetim,    &TerminalSettings::urunikr,
    &TerminalSettings::iade,     &TerminalSettings::ind,        &TerminalSettings::cari,
    &TerminalSettings::transfer, &TerminalSettings::hizlisatis, &TerminalSettings::selfservis};

struct VisibilityCase {
    const char* name;
    TerminalSettings t;
    int halls;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
};

class MainVisibility : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(MainVisibility, LaterRulesWin)
{
    const MainScreenLayout l = layoutFor(GetParam().t, GetParam().halls);
    for (const char* n : GetParam().shown) {
        ASSERT_TRUE(l.visible.contains(QString::fromLatin1(n))) << n;
        EXPECT_TRUE(l.visible.value(QString::fromLatin1(n))) << n << " should be shown";
    }
    for (const char* n : GetParam().hidden) {
        ASSERT_TRUE(l.visible.contains(QString::fromLatin1(n))) << n;
        EXPECT_FALSE(l.visible.value(QString::fromLatin1(n))) << n << " should be hidden";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainVisibility,
    ::testing::Values(
        VisibilityCase{"everything_on",
                       row(allOn),
                       2,
                       {"navBar", "tsPos", "tsHizliSatis", "syonet", "btnAdmin", "btn1", "tsToplam",
                        "grdToplam", "tsExtra", "btnHesap", "btnServis", "btnSelf", "btnUrunIkram",
                        "btnIade", "btnIndirimYuzde", "btnCariSec", "btnMasaTransfer",
                        "btnUrunTransfer"},
                       {}},
        VisibilityCase{
            "ordering_terminal_with_discounts",
            row({&TerminalSettings::ind}),
            2,
            {"btnServisTutari", "btnServis", "btnIndirimYuzde", "btnIndTutar2", "btnFiyatDegistir"},
            {"btnHesap", "btnIndirim", "btnIndTutar", "btn1", "tsToplam", "grdToplam", "tsExtra",
             "btnSelf"}},
        VisibilityCase{"cash_desk_without_discounts",
                       row({&TerminalSettings::mixedmod}),
                       2,
                       {"btnHesap", "btnIndirim", "btnIndTutar", "btnSelf"},
                       {"btnServisTutari", "btnServis", "btnIndirimYuzde", "btnFiyatDegistir"}},
        VisibilityCase{"ordering_terminal_with_self_service",
                       row({&TerminalSettings::selfservis}),
                       2,
                       {"btnSelf"},
                       {"btnReserve"}},
        VisibilityCase{"no_favourites_one_hall",
                       row({&TerminalSettings::mixedmod}),
                       1,
                       {},
                       {"tsHizliSatis", "tsPos", "navBar"}},
        VisibilityCase{"favourites_one_hall",
                       row({&TerminalSettings::hizlisatis}),
                       1,
                       {"tsHizliSatis", "navBar"},
                       {"tsPos"}},
        VisibilityCase{
            "no_favourites_two_halls", row({}), 2, {"tsPos", "navBar"}, {"tsHizliSatis"}},
        VisibilityCase{"no_management",
                       row({&TerminalSettings::mixedmod}),
                       2,
                       {"btnHesap"},
                       {"syonet", "btnGunsonu", "btnAyarlar", "btnKullanici", "btnLoglar",
                        "btnGrafikler", "btnKasaIslemleri", "btnAdmin"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A terminal without a row: the hall list and the bar that holds it are the only governed
// controls left, because they depend on the halls, not on the terminal.
TEST(MainVisibilityNoRow, HidesEveryOptionalFunctionAndSaysWhatToConfigure)
{
    const MainScreenLayout l = layoutFor(TerminalSettings{}, 2, QStringLiteral("WD-123"));
    for (auto it = l.visible.cbegin(); it != l.visible.cend(); ++it) {
        const bool hallList = it.key() == u"tsPos" || it.key() == u"navBar";
        EXPECT_EQ(it.value(), hallList) << qPrintable(it.key());
    }
    EXPECT_FALSE(l.visible.contains(QStringLiteral("btnEkle"))) << "not governed by settings";
    EXPECT_EQ(l.autoAnswerMs, 0);
    EXPECT_EQ(l.paymentButtonCaption, QString());
    EXPECT_FALSE(l.mapColumns);
    EXPECT_TRUE(l.problem.contains(QStringLiteral("WD-123")));
    EXPECT_TRUE(l.problem.contains(QStringLiteral("Client Setup")));
}

struct NumberCase {
    double sorusure;
    double kolon;
    int autoAnswerMs;
    std::optional<int> columns;
};

TEST(MainLayoutNumbers, AutoAnswerTimeAndMapColumns)
{
    for (const NumberCase& c :
         {NumberCase{5000, 6, 5000, 6}, NumberCase{0, 1, 0, 1},
          NumberCase{-200, 0, 0, std::nullopt}, NumberCase{1999.6, 2.5, 2000, std::nullopt}}) {
        TerminalSettings t = row({});
        t.sorusure = c.sorusure;
        t.kolon = c.kolon;
        t.odemebutonu = QStringLiteral("VISA");
        const MainScreenLayout l = layoutFor(t, 1);
        EXPECT_EQ(l.autoAnswerMs, c.autoAnswerMs) << c.sorusure;
        EXPECT_EQ(l.mapColumns, c.columns) << c.kolon;
        EXPECT_EQ(l.problem.isEmpty(), c.columns.has_value()) << c.kolon;
        EXPECT_EQ(l.paymentButtonCaption, QStringLiteral("VISA"));
    }
}

} // namespace
