// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PrefFixture.h"

#include <QDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

using PrefSettingsFile = PrefFixture;

const QByteArray kFactoryFile = "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"\"\r\n";

const QString kSaveError = QStringLiteral("There was an error. Settings will not be saved.");

} // namespace

TEST_F(PrefSettingsFile, CancelMovesTheFolderListToTheStoredFolderAndHides)
{
    const QString music = folder(QStringLiteral("Music, Old"));
    dir.write(QStringLiteral("renamer.ini"),
              "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"" + music.toUtf8() + "\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"\"\r\n");
    clickButton(3);
    EXPECT_EQ(shown, QStringList{music});
    EXPECT_TRUE(checked(2));
    EXPECT_TRUE(enabled(2));
    EXPECT_EQ(text(2), music);
    EXPECT_FALSE(pref->isVisible());

    // Without a stored folder the list goes to the program's folder, and the
    // path box keeps what it held.
    dir.write(QStringLiteral("renamer.ini"), kFactoryFile);
    pref->show();
    clickButton(1);
    EXPECT_EQ(shown, QStringList({music, QStringLiteral("<program folder>")}));
    EXPECT_FALSE(checked(2));
    EXPECT_FALSE(enabled(2));
    EXPECT_EQ(text(2), music);
}

TEST_F(PrefSettingsFile, CancelWithoutAFileKeepsWhatTheUserChanged)
{
    clickBox(0);
    clickBox(4);
    clickButton(1);
    EXPECT_FALSE(pref->isVisible());
    EXPECT_TRUE(checked(0));
    EXPECT_FALSE(checked(4));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(PrefSettingsFile, DefaultThenSaveWritesTheFactoryValues)
{
    clickBox(0);
    clickBox(1);
    clickBox(5);
    clickButton(4);
    clickButton(0);
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini")), kFactoryFile);
    EXPECT_FALSE(pref->isVisible());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(PrefSettingsFile, DefaultThenCancelRestoresTheSavedSettings)
{
    const QString music = folder(QStringLiteral("music"));
    clickBox(0);
    clickBox(3);
    clickBox(2);
    QTest::keyClicks(pref->txtOpt(2), music);
    clickBox(5);
    pref->txtOpt(5)->setText(QStringLiteral("/usr/bin/audacious"));
    pref->txtOpt(1)->setText(QStringLiteral("615"));
    clickButton(2);
    const Preferences saved = store->preferences();

    pref->show();
    clickButton(5);
    EXPECT_NE(store->preferences(), saved);
    clickButton(1);
    EXPECT_EQ(store->preferences(), saved);
    for (int index : {1, 2, 5})
        EXPECT_TRUE(enabled(index)) << index;
}

// Everything the window can hold survives a save and a load into a fresh
// window, and the fresh window writes the very same bytes back.
TEST_F(PrefSettingsFile, SettingsRoundTripByteForByte)
{
    const QString music = folder(QStringLiteral("Zoë, Music"));
    for (int index : {0, 1, 2, 3, 4, 5})
        clickBox(index);
    clickBox(1);
    pref->txtOpt(1)->setText(QStringLiteral(" 455 "));
    pref->txtOpt(2)->setText(QStringLiteral("  ") + music);
    pref->txtOpt(5)->setText(QStringLiteral("/opt/players/zoë"));
    clickButton(2);
    const QByteArray file = dir.read(QStringLiteral("renamer.ini"));
    EXPECT_EQ(file, "\"OnTop\"\r\n\"Dock\"\r\n\"455\"\r\n\"" + music.toUtf8() +
                        "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/opt/players/zoë\"\r\n");

    open(iniPath());
    pref->CheckINIFile();
    EXPECT_EQ(shown, QStringList{music});
    EXPECT_EQ(store->winampPath(), QStringLiteral("/opt/players/zoë"));
    dir.write(QStringLiteral("renamer.ini"));
    clickButton(2);
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini")), file);
}

// A file cut after any of its seven lines, loaded by Cancel: the lines that are
// there apply, in order, and every later setting keeps its value.
TEST_F(PrefSettingsFile, DamagedFilesOfEveryLengthApplyOnlyTheirLines)
{
    const QString music = folder(QStringLiteral("music"));
    const QList<QByteArray> lines = {"\"OnTop\"",  "\"NoDock\"",  "\"777\"",      "\"" + music.toUtf8() + "\"",
                                     "\"NoSplash\"", "\"NoSound\"", "\"/opt/player\""};
    const Preferences design;
    for (int n = 0; n <= 7; ++n) {
        SCOPED_TRACE(n);
        QByteArray data;
        for (int i = 0; i < n; ++i)
            data += lines[i] + "\r\n";
        dir.write(QStringLiteral("renamer.ini"), data);
        shown.clear();
        open(iniPath());
        clickButton(1);

        EXPECT_EQ(checked(0), n >= 1 ? true : design.options[0]);
        EXPECT_EQ(checked(1), n >= 2 ? false : design.options[1]);
        EXPECT_EQ(enabled(1), checked(1));
        EXPECT_EQ(text(1), n >= 3 ? QStringLiteral("777") : design.taskbarHeight);
        EXPECT_EQ(checked(2), n >= 4);
        EXPECT_EQ(enabled(2), n >= 4);
        EXPECT_EQ(text(2), n >= 4 ? music : QString());
        EXPECT_EQ(shown, n >= 4 ? QStringList{music} : QStringList());
        EXPECT_EQ(checked(3), n >= 5 ? false : design.options[3]);
        EXPECT_EQ(checked(4), n >= 6 ? false : design.options[4]);
        EXPECT_EQ(checked(5), n >= 7);
        EXPECT_EQ(enabled(5), n >= 7);
        EXPECT_EQ(text(5), n >= 7 ? QStringLiteral("/opt/player") : design.playerPath);
        EXPECT_EQ(store->winampPath(), n >= 7 ? QStringLiteral("/opt/player") : QString());
        EXPECT_FALSE(pref->isVisible());
    }
}

// WinampPath follows a non-empty line 7 and a save with the option on; nothing
// empties it.
TEST_F(PrefSettingsFile, WinampPathIsSetByLoadAndSaveButNeverEmptied)
{
    dir.write(QStringLiteral("renamer.ini"),
              "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"/opt/a\"\r\n");
    pref->CheckINIFile();
    EXPECT_EQ(store->winampPath(), QStringLiteral("/opt/a"));
    pref->txtOpt(5)->setText(QStringLiteral("  /opt/b "));
    EXPECT_EQ(store->winampPath(), QStringLiteral("/opt/a"));
    clickButton(2);
    EXPECT_EQ(store->winampPath(), QStringLiteral("/opt/b"));

    pref->show();
    clickBox(5);
    clickButton(2);
    EXPECT_TRUE(dir.read(QStringLiteral("renamer.ini")).endsWith("\"Sound\"\r\n\"\"\r\n"));
    pref->CheckINIFile();
    EXPECT_FALSE(checked(5));
    EXPECT_EQ(store->winampPath(), QStringLiteral("/opt/b"));
}

TEST_F(PrefSettingsFile, ASaveThatCannotBeWrittenSaysSoAndStillHides)
{
    dir.write(QStringLiteral("file"));
    for (const QString &name : {QStringLiteral("file/missing/renamer.ini"), QStringLiteral("file/renamer.ini")}) {
        SCOPED_TRACE(name.toStdString());
        dialogs.clear();
        open(dir.filePath(name));
        clickBox(5);
        clickButton(2);
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_EQ(dialogs.messages().first().text, kSaveError);
        EXPECT_EQ(dialogs.messages().first().icon, Dialogs::Icon::None);
        EXPECT_EQ(dialogs.messages().first().caption, QStringLiteral("Marlune"));
        EXPECT_FALSE(pref->isVisible());
        // Nothing was saved, so the player path is not taken either.
        EXPECT_TRUE(store->winampPath().isEmpty());
    }
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("file")});
}

#ifdef Q_OS_UNIX
// Writing fails part way (the file-size limit stops the write even for root):
// the old file stays exactly as it was and no temporary file is left behind.
TEST_F(PrefSettingsFile, AWriteThatFailsPartWayLeavesTheOldFileWhole)
{
    dir.write(QStringLiteral("renamer.ini"), kFactoryFile);
    clickBox(0);
    clickBox(2);
    pref->txtOpt(2)->setText(QString(55, QLatin1Char('p')));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    clickButton(2);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(dialogs.messageTexts(), QStringList{kSaveError});
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini")), kFactoryFile);
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("renamer.ini")});
}
#endif
