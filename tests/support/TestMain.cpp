#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/TestEnvironment.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    test::TestEnvironment::instance();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
