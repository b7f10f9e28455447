// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AppFolder.h"
#include "CommandLine.h"
#include "PathHelpers.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(PathHelpers, AddSlashAppendsTheStylesSeparatorOnce)
{
    EXPECT_EQ(AddSlash(QStringLiteral("/music"), PathStyle::Posix), QStringLiteral("/music/"));
    EXPECT_EQ(AddSlash(QStringLiteral("/music/"), PathStyle::Posix), QStringLiteral("/music/"));
    EXPECT_EQ(AddSlash(QStringLiteral("a\\"), PathStyle::Posix), QStringLiteral("a\\/"));
    EXPECT_EQ(AddSlash(QStringLiteral("C:\\Music"), PathStyle::Windows), QStringLiteral("C:\\Music\\"));
    EXPECT_EQ(AddSlash(QStringLiteral("C:\\"), PathStyle::Windows), QStringLiteral("C:\\"));
    EXPECT_EQ(AddSlash(QStringLiteral("C:/x/"), PathStyle::Windows), QStringLiteral("C:/x/"));
}

struct Split
{
    const char *path;
    PathStyle style;
    const char *folder;
    const char *name;
};

class SplitPaths : public ::testing::TestWithParam<Split> {};

TEST_P(SplitPaths, GiveFolderAndName)
{
    const Split &s = GetParam();
    const QString path = QString::fromUtf8(s.path);
    EXPECT_EQ(SplitPath(PathPart::Folder, path, s.style), QString::fromUtf8(s.folder)) << s.path;
    EXPECT_EQ(SplitPath(PathPart::FileName, path, s.style), QString::fromUtf8(s.name)) << s.path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPaths,
    ::testing::Values(Split{"C:\\Music\\a.mp3", PathStyle::Windows, "C:\\Music\\", "a.mp3"},
                      Split{"\"C:\\Music\\a.mp3\"", PathStyle::Windows, "C:\\Music\\", "a.mp3"},
                      Split{"C:\\Music/a.mp3", PathStyle::Windows, "C:\\Music/", "a.mp3"},
                      Split{"C:\\a.mpe\"", PathStyle::Windows, "C:\\", "a.mpe"},
                      Split{"/music/back\\slash.mp3", PathStyle::Posix, "/music/", "back\\slash.mp3"},
                      Split{"/a.mp3", PathStyle::Posix, "/", "a.mp3"},
                      Split{"plain.mp3", PathStyle::Posix, "", "plain.mp3"}));

TEST(AppFolder, AppFileDoesNotDoubleTheSeparatorOfARootFolder)
{
    EXPECT_EQ(AppFolder(QStringLiteral("/")).AppFile(QStringLiteral("renamer.dat")), QStringLiteral("/renamer.dat"));
    EXPECT_EQ(AppFolder(QStringLiteral("/opt/m")).AppFile(QStringLiteral("renamer.dat")),
              QStringLiteral("/opt/m/renamer.dat"));
}

TEST(ParseCommandLine, TakesEachPathFromItsDriveLetterToItsExtension)
{
    EXPECT_EQ(ParseCommandLine(QStringLiteral("\"C:\\Music\\a b.mp3\" D:\\x\\Y.MP3 C:\\v.mpeg C:\\w.txt")),
              (QStringList{QStringLiteral("C:\\Music\\a b.mp3"), QStringLiteral("D:\\x\\Y.MP3"),
                           QStringLiteral("C:\\v.mpeg"), QStringLiteral("C:\\w.txt")}));
    // No separator needed between paths; a second extension without a new drive letter
    // runs from the same drive letter again.
    EXPECT_EQ(ParseCommandLine(QStringLiteral("C:\\a.mp3C:\\b.mov")),
              (QStringList{QStringLiteral("C:\\a.mp3"), QStringLiteral("C:\\b.mov")}));
    EXPECT_EQ(ParseCommandLine(QStringLiteral("C:\\a.mp3 b.doc")),
              (QStringList{QStringLiteral("C:\\a.mp3"), QStringLiteral("C:\\a.mp3 b.doc")}));
    EXPECT_EQ(ParseCommandLine(QStringLiteral("\"C:\\a.mpe\"")), QStringList{QStringLiteral("C:\\a.mpe\"")});
    EXPECT_EQ(ParseCommandLine(QStringLiteral("C:\\a.asf C:\\b.mpg")),
              (QStringList{QStringLiteral("C:\\a.asf"), QStringLiteral("C:\\b.mpg")}));
}

TEST(ParseCommandLine, IgnoresWhatItCannotPlace)
{
    EXPECT_TRUE(ParseCommandLine(QString()).isEmpty());
    EXPECT_TRUE(ParseCommandLine(QStringLiteral("C:\\a.rm C:\\b.ram C:\\c.wav")).isEmpty());
    // An extension before any drive letter has no start: skipped; the rest still counts.
    EXPECT_EQ(ParseCommandLine(QStringLiteral("a.mp3 C:\\b.mp3")), QStringList{QStringLiteral("C:\\b.mp3")});
    EXPECT_TRUE(ParseCommandLine(QStringLiteral(":\\a.mp3")).isEmpty());
    // ":\" in the last three characters is never looked at.
    EXPECT_TRUE(ParseCommandLine(QStringLiteral("x.mp C:\\")).isEmpty());
}

TEST(ParseCommandLine, StopsAtTwentyPaths)
{
    QString cmd;
    for (int i = 0; i < 25; ++i)
        cmd += QStringLiteral("\"C:\\m\\%1.mp3\" ").arg(i);
    const QStringList files = ParseCommandLine(cmd);
    ASSERT_EQ(files.size(), 20);
    EXPECT_EQ(files.last(), QStringLiteral("C:\\m\\19.mp3"));
}

TEST(ParseArgumentList, TakesRecognisedArgumentsRelativeToTheWorkingFolder)
{
    const QStringList args{QStringLiteral("a.MP3"), QStringLiteral("/abs/b.mpeg"), QStringLiteral("c.rm"),
                           QStringLiteral("--flag"), QStringLiteral("sub/d.Mpe"), QStringLiteral("e\"q.txt"),
                           QStringLiteral(":live.mp3")};
    EXPECT_EQ(ParseArgumentList(args, QStringLiteral("/work")),
              (QStringList{QStringLiteral("/work/a.MP3"), QStringLiteral("/abs/b.mpeg"),
                           QStringLiteral("/work/sub/d.Mpe"), QStringLiteral("/work/e\"q.txt"),
                           QStringLiteral("/work/:live.mp3")}));
    QStringList many;
    for (int i = 0; i < 25; ++i)
        many << QStringLiteral("%1.mp3").arg(i);
    EXPECT_EQ(ParseArgumentList(many, QStringLiteral("/w")).size(), 20);
    EXPECT_EQ(commandLineFiles(CommandLine::fromArguments(many, QStringLiteral("/w"))).size(), 20);
    EXPECT_EQ(commandLineFiles(CommandLine::fromText(QStringLiteral("C:\\a.mp3"))).size(), 1);
}

} // namespace
