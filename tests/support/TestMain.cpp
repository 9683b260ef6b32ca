// Test entry: the Qt application object the tests need, then GoogleTest.
#include <gtest/gtest.h>

#ifdef K640_WIDGET_TESTS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QCoreApplication>
using TTestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Widget tests run without a display unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TTestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
