#include "support/gui_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

namespace ostrima::test {

void screenshot(QWidget& widget, const QString& file)
{
    const QString dir = qEnvironmentVariable("OSTRIMA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QCoreApplication::processEvents(); // pending layouts first, as a person would see it
    widget.grab().save(QDir(dir).filePath(file));
}

void whenModal(std::function<void()> action)
{
    QTimer::singleShot(0, [action = std::move(action)] { action(); });
}

} // namespace ostrima::test
