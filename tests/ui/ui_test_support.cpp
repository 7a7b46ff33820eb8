#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/style.h"

namespace ostrima::test {

void saveScreenshot(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("OSTRIMA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

namespace {

// The widgets are tested in the style the program gives them.
class TouchStyle : public ::testing::Environment {
public:
    void SetUp() override { applyTouchStyle(*qApp); }
};

[[maybe_unused]] const auto* const style = ::testing::AddGlobalTestEnvironment(new TouchStyle);

} // namespace

} // namespace ostrima::test
