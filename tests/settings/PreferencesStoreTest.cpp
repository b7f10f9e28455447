#include "PreferencesStore.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileWithFolder(const QString &folder)
{
    return "\"OnTop\"\r\n\"NoDock\"\r\n\"520\"\r\n\"" + folder.toUtf8()
         + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/opt/player\"\r\n";
}

class StoreFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QObject::connect(&store, &PreferencesStore::changed, [this] { ++changes; });
    }

    TempDir dir;
    PreferencesStore store{dir.filePath(QStringLiteral("renamer.ini"))};
    int changes = 0;
};

using PreferencesStoreTest = StoreFixture;

} // namespace

// Where the folder list goes is only noted, never acted on, and a load that
// changes anything says so once, at its end.
TEST_F(PreferencesStoreTest, LoadNamesTheStartFolderAndSignalsOnce)
{
    QDir().mkpath(dir.filePath(QStringLiteral("Music, Old")));
    const QString music = dir.filePath(QStringLiteral("Music, Old"));
    const QString gone = dir.filePath(QStringLiteral("gone"));
    struct Case
    {
        const char *name;
        std::optional<QByteArray> file;
        StartFolder expected;
        bool splashAfter;
    };
    const Case cases[] = {
        {"no file", std::nullopt, {}, true},
        {"no default directory", fileWithFolder(QString()), {StartFolder::Kind::ProgramFolder, {}}, false},
        {"existing folder", fileWithFolder(music), {StartFolder::Kind::Directory, music}, false},
        // Deleted since the save: the load stops there, so line 5 keeps its value.
        {"vanished folder", fileWithFolder(gone), {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PreferencesStore fresh(store.iniPath());
        int signals = 0;
        QObject::connect(&fresh, &PreferencesStore::changed, [&] { ++signals; });
        QFile::remove(fresh.iniPath());
        if (c.file)
            dir.write(QStringLiteral("renamer.ini"), *c.file);

        EXPECT_EQ(fresh.load(), c.expected);
        EXPECT_EQ(signals, c.file ? 1 : 0);
        EXPECT_EQ(fresh.splash(), c.splashAfter);
        EXPECT_EQ(fresh.defaultDirectoryOn(), c.file && !c.file->contains("\"\"\r\n\"NoSplash"));
        EXPECT_EQ(fresh.defaultDirectory(), c.expected.directory);
    }
}

TEST_F(PreferencesStoreTest, EditsSignalOnlyWhenSomethingChanges)
{
    store.setOption(Preferences::Docking, true);
    store.setTaskbarHeight(QStringLiteral("400"));
    store.setDefaults();
    EXPECT_EQ(changes, 0) << "the design state already holds these";

    store.setOption(Preferences::Sounds, false);
    store.setPlayerPathText(QStringLiteral("/opt/b"));
    store.setDefaultDirectoryText(QStringLiteral("/music"));
    EXPECT_EQ(changes, 3);
    EXPECT_FALSE(store.sounds());

    // Defaults put the options back and keep both paths.
    store.setDefaults();
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(store.sounds());
    EXPECT_EQ(store.playerPathText(), QStringLiteral("/opt/b"));
    EXPECT_EQ(store.defaultDirectory(), QStringLiteral("/music"));
    EXPECT_TRUE(store.winampPath().isEmpty()) << "a typed path is not the player until saved";
}

// The file a save writes is the one a load reads; a failed save changes nothing.
TEST_F(PreferencesStoreTest, SaveWritesTheStoreAndTakesThePlayerPathOnlyOnSuccess)
{
    store.setOption(Preferences::PlayerLocation, true);
    store.setPlayerPathText(QStringLiteral(" /opt/player "));

    PreferencesStore unwritable(dir.write(QStringLiteral("file")) + QStringLiteral("/renamer.ini"));
    unwritable.setOption(Preferences::PlayerLocation, true);
    EXPECT_FALSE(unwritable.save().ok());
    EXPECT_TRUE(unwritable.winampPath().isEmpty());

    ASSERT_TRUE(store.save().ok());
    EXPECT_EQ(store.winampPath(), QStringLiteral("/opt/player"));
    EXPECT_EQ(changes, 3);
    PreferencesStore reloaded(store.iniPath());
    reloaded.load();
    EXPECT_EQ(reloaded.winampPath(), QStringLiteral("/opt/player"));
    EXPECT_TRUE(reloaded.winampLocation());
}
