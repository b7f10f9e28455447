// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DesktopSession.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstring>

namespace {
DesktopSession *session = nullptr;
}

DesktopSession &desktop()
{
    return *session;
}

// First argument "xembed", "sni" or "offscreen": which notification area this run stands up;
// "openbox": a window manager instead.
// Qt settles once per process whether it talks StatusNotifierItem, so each needs a run.
int main(int argc, char **argv)
{
    DesktopSession::Tray tray = DesktopSession::XEmbed;
    if (argc > 1) {
        const bool sni = std::strcmp(argv[1], "sni") == 0;
        const bool offscreen = std::strcmp(argv[1], "offscreen") == 0;
        const bool openbox = std::strcmp(argv[1], "openbox") == 0;
        if (sni || offscreen || openbox || std::strcmp(argv[1], "xembed") == 0) {
            tray = sni ? DesktopSession::StatusNotifier
                 : offscreen ? DesktopSession::Offscreen
                 : openbox ? DesktopSession::WindowManager : DesktopSession::XEmbed;
            argv[1] = argv[0];
            --argc;
            ++argv;
        }
    }
    DesktopSession desktopSession(tray);
    session = &desktopSession;
    if (!desktopSession.ready())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
