// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AppFolder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// What the executable's and the music folder hold, and which folders are then used.
struct Choice
{
    const char *exeEntry; // created beside the executable, or nullptr
    bool musicExists;
    const char *config, *cache, *start, *data;
};

class AppFolderChoice : public ::testing::TestWithParam<Choice> {};

TEST_P(AppFolderChoice, FollowsThePortableMarkerAndTheMusicFolder)
{
    const Choice &c = GetParam();
    TempDir dir;
    dir.write(QStringLiteral("exe/marlune"));
    if (c.exeEntry)
        dir.write(QStringLiteral("exe/") + QString::fromLatin1(c.exeEntry));
    if (c.musicExists)
        dir.write(QStringLiteral("music/x"));
    const auto at = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };

    const AppFolder folder = AppFolder::choose({at("exe"), at("config"), at("cache"), at("music"), at("home"), at("data")});
    EXPECT_EQ(folder.AppFile(QStringLiteral("renamer.ini")), at(c.config) + QStringLiteral("/renamer.ini"));
    EXPECT_EQ(folder.CacheFile(QStringLiteral("renamer.dat")), at(c.cache) + QStringLiteral("/renamer.dat"));
    EXPECT_EQ(folder.startFolder(), at(c.start));
    EXPECT_EQ(folder.dataFolder(), at(c.data));
}

INSTANTIATE_TEST_SUITE_P(Places, AppFolderChoice,
                         ::testing::Values(Choice{nullptr, true, "config", "cache", "music", "data"},
                                           Choice{nullptr, false, "config", "cache", "home", "data"},
                                           Choice{"hostinfo.ini", true, "config", "cache", "music", "data"},
                                           Choice{"renamer.ini", true, "exe", "exe", "exe", "exe"},
                                           // A folder of that name marks nothing.
                                           Choice{"renamer.ini/x", false, "config", "cache", "home", "data"}));

} // namespace
