#include "ui/keypad_keys.h"

#include <QKeyEvent>

namespace ostrima {

KeypadKey keypadKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {KeypadKey::Ok, {}};
    case Qt::Key_Backspace:
        return {KeypadKey::Back, {}};
    case Qt::Key_Delete:
        return {KeypadKey::Clear, {}};
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {KeypadKey::Pass, {}};
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace())
        return {KeypadKey::Press, text};
    return {KeypadKey::Ignore, {}};
}

} // namespace ostrima
