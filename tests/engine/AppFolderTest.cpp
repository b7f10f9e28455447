#include "AppFolder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// What the executable's folder and the music folder hold, and which folders the
// program then uses ("exe", "config", "cache", "music", "home").
struct Choice
{
    const char *label;
    const char *exeHolds;   // a file or folder name, or nullptr
    bool exeEntryIsFolder;
    bool musicExists;
    const char *config;
    const char *cache;
    const char *start;
};

class AppFolderChoice : public ::testing::TestWithParam<Choice>
{
protected:
    TempDir dir;

    QString place(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    AppFolder::Places places() const
    {
        return {place("exe"), place("config"), place("cache"), place("music"), place("home")};
    }
};

TEST_P(AppFolderChoice, FollowsThePortableMarkerAndTheMusicFolder)
{
    const Choice &c = GetParam();
    dir.write(QStringLiteral("exe/marlune"));
    dir.write(QStringLiteral("home/x"));
    if (c.exeHolds)
        dir.write(QStringLiteral("exe/%1%2").arg(QString::fromLatin1(c.exeHolds), c.exeEntryIsFolder ? "/x" : ""));
    if (c.musicExists)
        dir.write(QStringLiteral("music/x"));

    const AppFolder folder = AppFolder::choose(places());
    EXPECT_EQ(folder.configFolder(), place(c.config));
    EXPECT_EQ(folder.cacheFolder(), place(c.cache));
    EXPECT_EQ(folder.startFolder(), place(c.start));
    EXPECT_EQ(folder.AppFile(QStringLiteral("renamer.ini")), place(c.config) + QStringLiteral("/renamer.ini"));
    EXPECT_EQ(folder.CacheFile(QStringLiteral("renamer.dat")), place(c.cache) + QStringLiteral("/renamer.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Places, AppFolderChoice,
    ::testing::Values(Choice{"PerUserWithMusic", nullptr, false, true, "config", "cache", "music"},
                      Choice{"PerUserWithoutMusic", nullptr, false, false, "config", "cache", "home"},
                      Choice{"OtherFilesBesideTheProgram", "hostinfo.ini", false, true, "config", "cache", "music"},
                      Choice{"Portable", "renamer.ini", false, true, "exe", "exe", "exe"},
                      Choice{"PortableWithoutMusic", "renamer.ini", false, false, "exe", "exe", "exe"},
                      Choice{"AFolderIsNoMarker", "renamer.ini", true, false, "config", "cache", "home"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(AppFolder, AMusicFolderThePlatformDoesNotNameFallsBackToHome)
{
    TempDir dir;
    const AppFolder folder = AppFolder::choose({dir.filePath(QStringLiteral("exe")), QStringLiteral("/c"),
                                                QStringLiteral("/k"), QString(), dir.path()});
    EXPECT_EQ(folder.startFolder(), dir.path());
}

} // namespace
