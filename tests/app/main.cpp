#include <QApplication>

#include <gtest/gtest.h>

#include "support/headlessplatform.h"

int main(int argc, char **argv)
{
    yardmark::testing::chooseTestPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
