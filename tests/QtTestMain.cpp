#include <QApplication>

#include <gtest/gtest.h>

// Widget tests run inside one QApplication, as the program does.
int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    // A Quit test ends its process: it runs in a forked child that takes the application
    // object along.
    GTEST_FLAG_SET(death_test_style, "fast");
    // Off screen unless told otherwise, also when ctest lists the tests at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
