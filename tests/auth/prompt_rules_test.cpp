#include <optional>

#include <gtest/gtest.h>

#include "auth/prompt_rules.h"
#include "settings/terminal_settings.h"

using namespace ostrima;

namespace {

// Veli comes first and shares Ayşe's code without her rights: "first user with the right"
// must skip him. Kemal is an Admin holding no rights at all.
std::vector<PromptUser> users()
{
    PromptUser veli{.username = QStringLiteral("Veli"), .pwd = QStringLiteral("1111"),
                    .bolum = QStringLiteral("Garson")};
    PromptUser ayse{.username = QStringLiteral("Ayşe"), .pwd = QStringLiteral("1111"),
                    .bolum = QStringLiteral("Kasiyer"), .yonetim = true, .iade = true,
                    .ind = true, .servis = true, .uikram = true, .fdegis = true, .hesap = true,
                    .cari = true, .htrans = true, .odenmez = true};
    PromptUser mehmet{.username = QStringLiteral("Mehmet"), .pwd = QStringLiteral("2222"),
                      .bolum = QStringLiteral("Kasiyer")};
    PromptUser ali{.username = QStringLiteral("Ali"), .pwd = QStringLiteral("3333"),
                   .bolum = QStringLiteral("Garson"), .htrans = true};
    PromptUser deniz{.username = QStringLiteral("Deniz"), .pwd = QStringLiteral("ab"),
                     .bolum = QStringLiteral("Garson")};
    PromptUser kemal{.username = QStringLiteral("Kemal"), .pwd = QStringLiteral("9090"),
                     .bolum = QStringLiteral("Admin")};
    return {veli, ayse, mehmet, ali, deniz, kemal};
}

enum Hall { NoHall, PlainHall, GuestsHall };
enum Ends { Closes, Stays };

struct Case {
    int mode;
    const char* entry;
    Ends ends;
    const char* entryAfter = nullptr; // null: as typed
    Hall hall = PlainHall;
    bool table = true;
    const char* waiter = nullptr;
    const char* islemyapan = nullptr;
    const char* cash_ed = nullptr;
    const char* tableWaiter = nullptr;
    PromptFollowUp followUp = PromptFollowUp::None;
    int nextMode = 0;               // 0: the mode stays
    const char* nextCaption = nullptr;
};

std::optional<QString> name(const char* text)
{
    return text ? std::optional<QString>(QString::fromUtf8(text)) : std::nullopt;
}

TEST(PromptRules, OkInEveryMode)
{
    using F = PromptFollowUp;
    const Case cases[] = {
        // Waiter codes: any role; the first row with the code wins.
        {.mode = 100, .entry = "1111", .ends = Closes, .waiter = "Veli"},
        {.mode = 100, .entry = "3333", .ends = Stays, .entryAfter = "0", .hall = GuestsHall,
         .waiter = "Ali", .nextMode = 200, .nextCaption = "Kuver  "},
        {.mode = 100, .entry = "7777", .ends = Stays, .entryAfter = "0"},
        {.mode = 102, .entry = "3333", .ends = Closes},
        {.mode = 102, .entry = "AB", .ends = Stays, .entryAfter = "0"}, // codes compare exactly
        {.mode = 9992, .entry = "3333", .ends = Closes, .waiter = "Ali"},
        {.mode = 9993, .entry = "3333", .ends = Closes, .tableWaiter = "Ali"},
        {.mode = 9993, .entry = "1111", .ends = Closes, .tableWaiter = "Veli"},
        {.mode = 9993, .entry = "2222", .ends = Stays, .entryAfter = "0"}, // a Kasiyer
        {.mode = 9993, .entry = "3333", .ends = Stays, .entryAfter = "0", .table = false},
        // Rights: the first row holding the right, not the first row with the code.
        {.mode = 300, .entry = "1111", .ends = Closes, .islemyapan = "Ayşe", .followUp = F::DiscountKeypad},
        {.mode = 400, .entry = "1111", .ends = Closes, .islemyapan = "Ayşe", .followUp = F::ServiceKeypad},
        {.mode = 400, .entry = "3333", .ends = Stays, .entryAfter = "0"},
        {.mode = 401, .entry = "3333", .ends = Closes, .islemyapan = "Ali"},
        {.mode = 600, .entry = "1111", .ends = Stays, .entryAfter = "0", .islemyapan = "Ayşe",
         .nextMode = 601, .nextCaption = "İade Miktarı"},
        {.mode = 600, .entry = "2222", .ends = Stays, .entryAfter = "0"},
        {.mode = 1111, .entry = "1111", .ends = Closes, .islemyapan = "Ayşe"},
        {.mode = 1200, .entry = "1111", .ends = Stays, .entryAfter = "0", .islemyapan = "Ayşe",
         .nextMode = 1201, .nextCaption = "Yeni Fiyatı Giriniz"},
        {.mode = 1903, .entry = "1111", .ends = Closes},
        {.mode = 1903, .entry = "9090", .ends = Stays, .entryAfter = "0"},
        {.mode = 4048, .entry = "1111", .ends = Closes},
        {.mode = 4048, .entry = "2222", .ends = Stays, .entryAfter = "0"},
        {.mode = 5858, .entry = "1111", .ends = Closes},
        // Roles.
        {.mode = 3001, .entry = "9090", .ends = Closes, .islemyapan = "Kemal", .followUp = F::AmountKeypad},
        {.mode = 3001, .entry = "1111", .ends = Stays, .entryAfter = "0"},
        {.mode = 9990, .entry = "9090", .ends = Closes},
        {.mode = 9990, .entry = "1111", .ends = Stays, .entryAfter = "0"},
        {.mode = 4447, .entry = "9090", .ends = Closes, .followUp = F::ClosedChecksAdmin},
        {.mode = 4447, .entry = "1111", .ends = Closes, .followUp = F::ClosedChecksCashier},
        {.mode = 4447, .entry = "3333", .ends = Stays}, // entry left as typed
        {.mode = 5000, .entry = "2222", .ends = Closes, .cash_ed = "Mehmet", .followUp = F::CheckPanelRefresh},
        {.mode = 5000, .entry = "3333", .ends = Stays, .entryAfter = "0"},
        // The hall password.
        {.mode = 998, .entry = "77", .ends = Closes},
        {.mode = 998, .entry = "78", .ends = Stays, .entryAfter = "0"},
        {.mode = 998, .entry = "77", .ends = Stays, .entryAfter = "0", .hall = NoHall},
        // Numbers: a refused number stays as typed.
        {.mode = 200, .entry = "4", .ends = Closes},
        {.mode = 200, .entry = "0", .ends = Stays},
        {.mode = 200, .entry = "2.5", .ends = Stays},
        {.mode = 200, .entry = "0.5.", .ends = Stays},
        {.mode = 501, .entry = "5000000000", .ends = Closes},
        {.mode = 501, .entry = "12,5", .ends = Closes},
        {.mode = 501, .entry = "5000000000.5", .ends = Stays},
        {.mode = 601, .entry = "0.5", .ends = Closes},
        {.mode = 601, .entry = "0.", .ends = Stays},
        {.mode = 601, .entry = "0.5.", .ends = Stays},
        {.mode = 1201, .entry = "50000", .ends = Closes},
        {.mode = 1201, .entry = "50000.01", .ends = Stays},
        {.mode = 9991, .entry = "25", .ends = Closes},
        {.mode = 9991, .entry = "0", .ends = Stays},
        {.mode = 3456, .entry = "6021350842", .ends = Closes},
        {.mode = 3456, .entry = "0", .ends = Stays},
        // A mode the prompt does not know never closes.
        {.mode = 4242, .entry = "1111", .ends = Stays},
    };

    HallSettings plain;
    plain.found = true;
    plain.hall_pwd = QStringLiteral("77");
    HallSettings guests = plain;
    guests.kuversor = true;
    HallSettings none;

    for (const Case& c : cases) {
        const PromptContext context{
            .users = users(),
            .hall = c.hall == GuestsHall ? &guests : c.hall == PlainHall ? &plain : &none,
            .tableSelected = c.table};
        const QString entry = QString::fromUtf8(c.entry);
        const PromptOutcome out = promptOk(c.mode, entry, context);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " entry " << c.entry);
        const int nextMode = c.nextMode ? c.nextMode : c.mode;
        EXPECT_EQ(out.close, c.ends == Closes);
        EXPECT_EQ(out.entry, c.entryAfter ? QString::fromUtf8(c.entryAfter) : entry);
        EXPECT_EQ(out.mode, nextMode);
        EXPECT_EQ(out.caption, c.nextCaption ? QString::fromUtf8(c.nextCaption) : promptCaption(c.mode));
        EXPECT_EQ(out.masked, promptMasked(nextMode));
        EXPECT_EQ(out.waiter, name(c.waiter));
        EXPECT_EQ(out.islemyapan, name(c.islemyapan));
        EXPECT_EQ(out.cash_ed, name(c.cash_ed));
        EXPECT_EQ(out.tableWaiter, name(c.tableWaiter));
        EXPECT_EQ(out.followUp, c.followUp);
    }
}

TEST(PromptRules, CodesAreMaskedAndNumbersShown)
{
    for (int mode : {100, 102, 300, 998, 3456, 4447, 5000, 9992, 9993})
        EXPECT_TRUE(promptMasked(mode)) << mode;
    for (int mode : {200, 501, 601, 1201, 9991})
        EXPECT_FALSE(promptMasked(mode)) << mode;
    EXPECT_FALSE(promptCancellable(5000));
    EXPECT_TRUE(promptCancellable(100));
}

TEST(PromptRules, NumbersReadWithPointOrComma)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"12", 12.0}, {"12.5", 12.5}, {"12,5", 12.5}, {"0.", 0.0}, {"00", 0.0},
        {"0.5.", std::nullopt}, {"1,2.3", std::nullopt}, {"", std::nullopt}, {".", std::nullopt},
        {"-1", std::nullopt}, {"1e5", std::nullopt}, {"AB", std::nullopt}, {"1 000", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(promptNumber(QString::fromUtf8(text)), expected) << text;
}

} // namespace
