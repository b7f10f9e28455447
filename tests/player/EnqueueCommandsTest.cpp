#include "EnqueueCommands.h"

#include <gtest/gtest.h>

TEST(EnqueueCommands, KnownPlayersAndOnlyThem)
{
    const struct { const char *program; QStringList arguments; } rows[] = {
        {"audacious", {"-e"}},
        {"vlc", {"--one-instance", "--playlist-enqueue"}},
        {"strawberry", {"-a"}},
        {"clementine", {"-a"}},
        {"VLC", {}},
        {"vlc.exe", {}},
        {"/usr/bin/vlc", {}},
        {"", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(EnqueueCommands::argumentsFor(QString::fromUtf8(row.program)), row.arguments) << row.program;
}
