#pragma once

#include <QString>

class QWidget;

namespace ostrima::test {

// Saves what the widget shows as NAME.png in $OSTRIMA_SCREENSHOT_DIR, when that is set, so a
// person can look at the screens the tests drive.
void saveScreenshot(QWidget* widget, const QString& name);

} // namespace ostrima::test
