#include "DesktopSession.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstring>

namespace {
const DesktopSession *session = nullptr;
}

const DesktopSession &desktop()
{
    return *session;
}

// First argument "xembed" or "sni": which notification area this run stands up. Qt settles
// once per process whether it talks StatusNotifierItem, so the two need separate runs.
int main(int argc, char **argv)
{
    const bool sni = argc > 1 && std::strcmp(argv[1], "sni") == 0;
    if (argc > 1 && (sni || std::strcmp(argv[1], "xembed") == 0)) {
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    DesktopSession desktopSession(sni ? DesktopSession::StatusNotifier : DesktopSession::XEmbed);
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
