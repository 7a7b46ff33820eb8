#pragma once

class QAbstractButton;
class QDialog;

namespace ostrima {

// Lets an open dialog answer itself: a timer owned by the dialog ticks every
// AutoAnswer::tickMs and clicks `answer` (the default button) once the time has passed.
// Call it once, just before the dialog is shown; a time of 0 or less does nothing.
void armAutoAnswer(QDialog* dialog, int timeMs, QAbstractButton* answer);

} // namespace ostrima
