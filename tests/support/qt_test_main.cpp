// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// Window and picture tests need the application object before anything else.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Grimsward");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
