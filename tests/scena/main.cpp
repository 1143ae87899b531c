#include <QGuiApplication>

#include <gtest/gtest.h>

#include "podpora_testu.h"

// The renderer writes the axis labels with Qt's fonts, which need a GUI application; no display.
int main(int argc, char** argv) {
    tvarolam::test::mluvAnglicky();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
