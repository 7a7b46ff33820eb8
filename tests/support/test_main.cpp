#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/test_database.h"

// Main of the core test programs: Qt needs its application object for the SQL drivers; the
// backend in use is printed so that a log shows which one ran.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    std::printf("[ostrima] database backend: %s\n",
                qPrintable(ostrima::backendName(ostrima::test::testBackend())));
    return RUN_ALL_TESTS();
}
