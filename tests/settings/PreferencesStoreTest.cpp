// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PreferencesStore.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

QByteArray fileWithFolder(const QString &folder)
{
    return "\"OnTop\"\r\n\"NoDock\"\r\n\"520\"\r\n\"" + folder.toUtf8()
         + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/opt/player\"\r\n";
}

// Counts the store's change signals.
struct WatchedStore
{
    explicit WatchedStore(const QString &iniPath) : store(iniPath)
    {
        QObject::connect(&store, &PreferencesStore::changed, [this] { ++changes; });
    }
    PreferencesStore store;
    int changes = 0;
};

} // namespace

// Where the folder list goes is only noted, never acted on, and a load that
// changes anything says so once, at its end.
TEST(PreferencesStore, LoadNamesTheStartFolderAndSignalsOnce)
{
    TempDir dir;
    const QString music = dir.filePath(QStringLiteral("Music, Old"));
    QDir().mkpath(music);
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
        {"vanished folder", fileWithFolder(dir.filePath(QStringLiteral("gone"))), {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(dir.filePath(QStringLiteral("renamer.ini")));
        if (c.file)
            dir.write(QStringLiteral("renamer.ini"), *c.file);
        WatchedStore w(dir.filePath(QStringLiteral("renamer.ini")));

        EXPECT_EQ(w.store.load(), c.expected);
        EXPECT_EQ(w.changes, c.file ? 1 : 0);
        EXPECT_EQ(w.store.splash(), c.splashAfter);
        EXPECT_EQ(w.store.defaultDirectoryOn(), c.expected.kind != StartFolder::Kind::ProgramFolder && c.file);
        EXPECT_EQ(w.store.defaultDirectory(), c.expected.directory);
    }
}

TEST(PreferencesStore, EditsSignalOnlyWhenSomethingChanges)
{
    WatchedStore w(QStringLiteral("renamer.ini"));
    PreferencesStore &store = w.store;
    store.setOption(Preferences::Docking, true);
    store.setTaskbarHeight(QStringLiteral("400"));
    store.setDefaults();
    EXPECT_EQ(w.changes, 0) << "the design state already holds these";

    store.setOption(Preferences::Sounds, false);
    store.setPlayerPathText(QStringLiteral("/opt/b"));
    store.setDefaultDirectoryText(QStringLiteral("/music"));
    EXPECT_EQ(w.changes, 3);
    EXPECT_FALSE(store.sounds());

    // Defaults put the options back and keep both paths.
    store.setDefaults();
    EXPECT_EQ(w.changes, 4);
    EXPECT_TRUE(store.sounds());
    EXPECT_EQ(store.playerPathText(), QStringLiteral("/opt/b"));
    EXPECT_EQ(store.defaultDirectory(), QStringLiteral("/music"));
    EXPECT_TRUE(store.winampPath().isEmpty()) << "a typed path is not the player until saved";
}
