// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "SettingsMigration.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kIni = "\"OnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"/home/u/Müsik\"\r\n";
const QByteArray kHost = "\"w\"\r\n\"e\"\r\n\"27\"\r\n";

class SettingsMigrationTest : public ::testing::Test
{
protected:
    TempDir dir;
    SettingsMigration::Outcome run() const
    {
        return SettingsMigration(dir.filePath("old"), dir.filePath("config/marlune")).run();
    }
};

TEST_F(SettingsMigrationTest, MovesEachFileTheNewFolderLacks)
{
    dir.write("old/renamer.ini", kIni);
    dir.write("old/hostinfo.ini", kHost);
    const SettingsMigration::Outcome outcome = run();
    EXPECT_EQ(outcome.moved, (QStringList{"renamer.ini", "hostinfo.ini"}));
    EXPECT_EQ(dir.read("config/marlune/renamer.ini"), kIni);
    EXPECT_EQ(dir.read("config/marlune/hostinfo.ini"), kHost);
    EXPECT_FALSE(dir.exists("old/renamer.ini") || dir.exists("old/hostinfo.ini"));

    // The newer file wins and the old one is left alone.
    dir.write("old/renamer.ini", "older");
    EXPECT_TRUE(run().moved.isEmpty());
    EXPECT_EQ(dir.read("config/marlune/renamer.ini"), kIni);
    EXPECT_EQ(dir.read("old/renamer.ini"), "older");
}

class BrokenOldFile : public SettingsMigrationTest, public ::testing::WithParamInterface<const char *> {};

// Not readable as text, too big to be one of ours, a folder, or no folder to copy to.
TEST_P(BrokenOldFile, StaysWhereItIs)
{
    const QString what = QString::fromLatin1(GetParam());
    QByteArray bytes = kIni;
    if (what == "binary")
        bytes += QByteArray("\0\x01", 2);
    else if (what == "latin1")
        bytes += "\"M\xfcsik\"\r\n";
    else if (what == "huge")
        bytes = QByteArray(65 * 1024, 'x');
    const QString old = what == "folder" ? QStringLiteral("old/renamer.ini/x") : QStringLiteral("old/renamer.ini");
    dir.write(old, bytes);
    if (what == "blocked")
        dir.write("config", "a file in the way");
    EXPECT_EQ(run().kept, QStringList{"renamer.ini"});
    EXPECT_FALSE(dir.exists("config/marlune/renamer.ini"));
    EXPECT_EQ(dir.read(old), bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenOldFile, ::testing::Values("binary", "latin1", "huge", "folder", "blocked"));

} // namespace
