#include <QApplication>

#include <gtest/gtest.h>

#include "support/test_database.h"

// Main of the screen tests: a QApplication on the offscreen platform drives the real windows.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("[ostrima] database backend: %s\n",
                qPrintable(ostrima::backendName(ostrima::test::testBackend())));
    return RUN_ALL_TESTS();
}
