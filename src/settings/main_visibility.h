#pragma once

#include <optional>

#include <QMap>
#include <QString>

namespace ostrima {

struct TerminalSettings;

// What the terminal's settings make of the main screen each time it is shown.
struct MainScreenLayout {
    // Time after which the main screen's message dialogs answer themselves (AutoAnswer);
    // 0 = never.
    int autoAnswerMs = 0;
    // Caption of the one-touch payment button `btn1`: the payment type it records.
    QString paymentButtonCaption;
    // Columns of the table map (`edtkolon`); empty when `kolon` is not a positive whole
    // number, in which case `problem` says what to configure.
    std::optional<int> mapColumns;
    // Object name -> shown, for every control the settings govern. Controls not in the map
    // keep their own state.
    QMap<QString, bool> visible;
    // Turkish text for the user when the terminal cannot work as configured; empty if fine.
    QString problem;
};

// The main screen's layout for a terminal's row and the number of halls of the hall list.
// `clientId` only goes into the text telling an installer which row is missing.
MainScreenLayout layoutFor(const TerminalSettings& t, int hallCount, const QString& clientId = {});

} // namespace ostrima
