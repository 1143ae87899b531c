#include <QCoreApplication>

#include <gtest/gtest.h>

#include "podpora_testu.h"

int main(int argc, char** argv) {
    tvarolam::test::mluvAnglicky();
    QCoreApplication aplikace(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
