#pragma once

#include <QString>

class QKeyEvent;

namespace ostrima {

// What a key of a physical keyboard (or a card reader typing like one) means to a keypad
// screen: the same as its on-screen keys, so the entry box only ever holds what the keypad
// rule makes of them.
struct KeypadKey {
    enum Kind {
        Ok,     // Enter
        Back,   // Backspace: the back-arrow key
        Clear,  // Delete: "Sil"
        Press,  // a printable character: `text`
        Pass,   // left to the dialog (Esc, Tab)
        Ignore, // swallowed
    } kind;
    QString text;
};

KeypadKey keypadKey(const QKeyEvent& event);

} // namespace ostrima
