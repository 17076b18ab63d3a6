#include <QApplication>

#include <gtest/gtest.h>

#include "qtbase/headlessplatform.h"

int main(int argc, char **argv)
{
    yardmark::chooseHeadlessPlatform();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
