#include "SettingsMigration.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kIni = "\"OnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"/home/u/Müsik\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"\"\r\n";
const QByteArray kHost = "\"w\"\r\n\"e\"\r\n\"27\"\r\n";

class SettingsMigrationTest : public ::testing::Test
{
protected:
    TempDir dir;

    SettingsMigration::Outcome run() const
    {
        return SettingsMigration(dir.filePath(QStringLiteral("old")), dir.filePath(QStringLiteral("config/marlune")))
            .run();
    }
};

TEST_F(SettingsMigrationTest, MovesBothFilesIntoANewFolder)
{
    dir.write(QStringLiteral("old/renamer.ini"), kIni);
    dir.write(QStringLiteral("old/hostinfo.ini"), kHost);
    const SettingsMigration::Outcome outcome = run();
    EXPECT_EQ(outcome.moved, (QStringList{"renamer.ini", "hostinfo.ini"}));
    EXPECT_TRUE(outcome.kept.isEmpty());
    EXPECT_EQ(dir.read(QStringLiteral("config/marlune/renamer.ini")), kIni);
    EXPECT_EQ(dir.read(QStringLiteral("config/marlune/hostinfo.ini")), kHost);
    EXPECT_EQ(dir.entries(), (QStringList{"config", "old"}));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("old"))).isEmpty());
    // A second start finds nothing to do.
    EXPECT_TRUE(run().moved.isEmpty());
}

TEST_F(SettingsMigrationTest, TheNewFileWinsAndTheOldOneStays)
{
    dir.write(QStringLiteral("old/renamer.ini"), kIni);
    dir.write(QStringLiteral("config/marlune/renamer.ini"), "new");
    const SettingsMigration::Outcome outcome = run();
    EXPECT_TRUE(outcome.moved.isEmpty());
    EXPECT_TRUE(outcome.kept.isEmpty());
    EXPECT_EQ(dir.read(QStringLiteral("config/marlune/renamer.ini")), "new");
    EXPECT_EQ(dir.read(QStringLiteral("old/renamer.ini")), kIni);
}

struct Broken
{
    const char *label;
    QByteArray bytes;
    bool asFolder;
};

class BrokenOldFile : public SettingsMigrationTest, public ::testing::WithParamInterface<Broken> {};

TEST_P(BrokenOldFile, StaysWhereItIs)
{
    const Broken &b = GetParam();
    dir.write(b.asFolder ? QStringLiteral("old/renamer.ini/x") : QStringLiteral("old/renamer.ini"), b.bytes);
    dir.write(QStringLiteral("old/hostinfo.ini"), kHost);
    const SettingsMigration::Outcome outcome = run();
    EXPECT_EQ(outcome.kept, QStringList{"renamer.ini"});
    EXPECT_EQ(outcome.moved, QStringList{"hostinfo.ini"});
    EXPECT_FALSE(dir.exists(QStringLiteral("config/marlune/renamer.ini")));
    EXPECT_EQ(dir.read(b.asFolder ? QStringLiteral("old/renamer.ini/x") : QStringLiteral("old/renamer.ini")),
              b.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenOldFile,
    ::testing::Values(Broken{"Binary", QByteArray("\"OnTop\"\r\n\0\x01\x02", 12), false},
                      Broken{"NotUtf8", "\"C:\\M\xfcsik\"\r\n", false},
                      Broken{"Huge", QByteArray(65 * 1024, 'x'), false},
                      Broken{"AFolder", "x", true}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(SettingsMigrationTest, AFolderThatCannotBeMadeKeepsTheOldFiles)
{
    dir.write(QStringLiteral("old/renamer.ini"), kIni);
    dir.write(QStringLiteral("config"), "a file in the way");
    EXPECT_EQ(run().kept, QStringList{"renamer.ini"});
    EXPECT_EQ(dir.read(QStringLiteral("old/renamer.ini")), kIni);
}

} // namespace
