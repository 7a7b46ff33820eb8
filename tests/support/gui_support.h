#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace ostrima::test {

// With OSTRIMA_SCREENSHOT_DIR set, saves the widget there as a picture for a person to look at.
void screenshot(QWidget& widget, const QString& file);

// Runs `action` once the next modal dialog's event loop is running: the way a test answers a
// window that an operation opens and waits for.
void whenModal(std::function<void()> action);

} // namespace ostrima::test
