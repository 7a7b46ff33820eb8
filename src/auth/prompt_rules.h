#pragma once

#include <optional>
#include <vector>

#include <QString>

namespace ostrima {

struct HallSettings;

// One row of `Q_userkontrol` as the prompt checks it.
struct PromptUser {
    QString username, pwd, bolum;
    bool yonetim = false, iade = false, ind = false, servis = false, uikram = false,
         fdegis = false, hesap = false, cari = false, htrans = false, odenmez = false;
};

// What the caller opens once the prompt has closed successfully.
enum class PromptFollowUp {
    None,
    DiscountKeypad,      // 300: discount entry
    ServiceKeypad,       // 400: service amount entry
    AmountKeypad,        // 3001: split-bill discount amount
    ClosedChecksAdmin,   // 4447 with an "Admin" code
    ClosedChecksCashier, // 4447 with a "Kasiyer" code
    CheckPanelRefresh,   // 5000: the new cashier's view of the current table
};

// What the prompt knows when OK is pressed: the users as they are now, the current hall's
// row (`found` false when the hall has none) and whether a table is selected.
struct PromptContext {
    std::vector<PromptUser> users;
    const HallSettings* hall = nullptr;
    bool tableSelected = false;
};

// The result of OK in one mode. `entry`, `mode`, `caption` and `masked` describe the prompt
// afterwards (a follow-up mode keeps it open with a fresh "0"); the optional names are what
// the main screen takes over when the check succeeded.
struct PromptOutcome {
    bool close = false;
    QString entry;
    int mode = 0;
    QString caption;
    bool masked = true;
    std::optional<QString> waiter;      // current waiter :=
    std::optional<QString> islemyapan;  // authoriser :=
    std::optional<QString> cash_ed;     // current user :=
    std::optional<QString> tableWaiter; // the selected table's `waiter` :=
    PromptFollowUp followUp = PromptFollowUp::None;
};

// The modes the prompt knows.
bool isPromptMode(int mode);
// Caption shown above the entry when a mode is shown (empty for an unknown mode).
QString promptCaption(int mode);
// Codes are masked; numbers are echoed.
bool promptMasked(int mode);
// Only the terminal lock (5000) cannot be cancelled.
bool promptCancellable(int mode);

// A number as the keypad types it: digits with at most one decimal separator, "." or ",";
// no sign, no grouping, no exponent. Empty when the text is not such a number.
std::optional<double> promptNumber(const QString& entry);

// The check OK performs in `mode` on `entry`. An unknown mode keeps the prompt open as it is.
PromptOutcome promptOk(int mode, const QString& entry, const PromptContext& context);

} // namespace ostrima
