#pragma once

#include <QColor>

class QAbstractButton;
class QApplication;

namespace ostrima {

// Colours of the touch style, shared by the widgets that paint themselves.
namespace touch {
inline const QColor navigation{0x26, 0x32, 0x38};   // dark slate bars
inline const QColor navigationLight{0x37, 0x47, 0x4f};
inline const QColor workArea{0xee, 0xf1, 0xf4};     // light background of the work area
inline const QColor panel{0xff, 0xff, 0xff};
inline const QColor border{0xb0, 0xbe, 0xc5};
inline const QColor text{0x1f, 0x2a, 0x30};
inline const QColor mutedText{0x60, 0x7d, 0x8b};
inline const QColor accent{0x15, 0x65, 0xc0};       // primary actions
inline const QColor accentPressed{0x0d, 0x47, 0xa1};
inline const QColor danger{0xc6, 0x28, 0x28};       // destructive actions
inline const QColor occupied{0xb4, 0x53, 0x09};     // a table with an open check
inline const QColor blocked{0x54, 0x6e, 0x7a};

// Smallest touch target and keypad key edge, in pixels.
inline constexpr int targetSize = 48;
inline constexpr int keySize = 64;
} // namespace touch

// Kinds of button the style sheet draws differently.
enum class ButtonRole { Normal, Primary, Danger, Key, Navigation };

// The one style of the application: DejaVu Sans, large targets, visible pressed states.
void applyTouchStyle(QApplication& app);

// Marks a button for the style sheet (property "role") and repolishes it.
void setButtonRole(QAbstractButton* button, ButtonRole role);

// Style sheet of the keypad dialogs (login, prompt): a large entry box (property
// role="entry"), a heading label (role="heading") and keys by role: "letter", "edit", "ok",
// "close".
QString keypadDialogStyle();

} // namespace ostrima
