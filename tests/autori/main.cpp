#include <QGuiApplication>

#include <gtest/gtest.h>

#include "podpora_testu.h"

// The task tool draws pictures, which needs a GUI application (the axes' fonts), never a display.
int main(int argc, char** argv) {
    tvarolam::test::mluvAnglicky();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
