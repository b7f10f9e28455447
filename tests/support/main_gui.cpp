// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Widget suites never need a display: they run on the offscreen platform
    // unless the caller asked for another one (a real X server, say).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
