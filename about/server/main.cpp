// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MarluneServer.h"
#include "ServerOptions.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const ParsedServerOptions parsed = parseServerOptions(QCoreApplication::arguments());
    if (!parsed.helpText.isEmpty()) {
        std::fputs(qPrintable(parsed.helpText), stdout);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "marlune-server: %s\n", qPrintable(parsed.error));
        return 2;
    }
    MarluneServer server(parsed.options);
    QString error;
    if (!server.listen(error)) {
        std::fprintf(stderr, "marlune-server: %s\n", qPrintable(error));
        return 1;
    }
    // One line that scripts and tests wait for; ports may have been chosen by the system.
    std::printf("marlune-server: update port %u, feedback port %u\n", unsigned(server.updatePort()),
                unsigned(server.feedbackPort()));
    std::fflush(stdout);
    return app.exec();
}
