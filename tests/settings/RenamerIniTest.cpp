// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenamerIni.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Applies renamer.ini to a Preferences value the way the preferences window
// applies it to its controls, and remembers where the folder list went.
class PrefsTarget : public RenamerIniTarget
{
public:
    Preferences prefs;
    QString shownFolder = QStringLiteral("<start>");
    QString winampPath;
    QStringList existingFolders;

    void setOption(Preferences::Option o, bool checked) override { prefs.options[o] = checked; }
    void setTaskbarHeight(const QString &t) override { prefs.taskbarHeight = t; }
    bool setDefaultDirectory(const QString &dir) override
    {
        if (!existingFolders.contains(dir))
            return false;
        shownFolder = dir;
        return true;
    }
    void setDefaultDirectoryText(const QString &t) override { prefs.defaultDirectory = t; }
    void showProgramFolder() override { shownFolder = QStringLiteral("<program folder>"); }
    void setPlayerPath(const QString &p) override { prefs.playerPath = p; winampPath = p; }
};

Preferences everythingOff()
{
    Preferences p;
    p.options.fill(false);
    return p;
}

} // namespace

TEST(RenamerIni, RendersTheSevenLinesExactly)
{
    Preferences p;
    p.options.fill(true);
    p.options[Preferences::DefaultDirectory] = false;
    p.options[Preferences::PlayerLocation] = false;
    p.taskbarHeight = QStringLiteral("  520 \"");
    EXPECT_EQ(RenamerIni::render(p),
              QByteArray("\"OnTop\"\r\n\"Dock\"\r\n\"520\"\r\n\"\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"\"\r\n"));

    // Docking off writes a bare 400, whatever the box says.
    EXPECT_EQ(RenamerIni::render(everythingOff()),
              QByteArray("\"NotOnTop\"\r\n\"NoDock\"\r\n400\r\n\"\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"\"\r\n"));
}

TEST(RenamerIni, SavedFilesLoadBackByteForByte)
{
    TempDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("My Music, Old")));
    const QString folder = dir.filePath(QStringLiteral("My Music, Old"));

    Preferences p;
    p.options = {true, false, true, false, true, true};
    p.defaultDirectory = QStringLiteral(" ") + folder + QStringLiteral(" ");
    p.playerPath = QStringLiteral("/opt/players/zoë player");
    const QString path = dir.filePath(QStringLiteral("renamer.ini"));
    ASSERT_TRUE(RenamerIni::save(path, p).ok());

    PrefsTarget t;
    t.prefs = everythingOff();
    t.existingFolders << folder;
    RenamerIni::load(path, t);
    EXPECT_EQ(t.shownFolder, folder);
    EXPECT_EQ(t.prefs.defaultDirectory, folder); // trimmed on saving
    EXPECT_EQ(t.prefs.taskbarHeight, QStringLiteral("400"));
    EXPECT_EQ(t.winampPath, p.playerPath);
    EXPECT_EQ(t.prefs.options, p.options);
    EXPECT_EQ(RenamerIni::render(t.prefs), dir.read(QStringLiteral("renamer.ini")));
}

TEST(RenamerIni, KeywordsIgnoreCaseAndAnythingElseUnchecks)
{
    PrefsTarget t;
    RenamerIni::apply("\"ONTOP\"\r\n\"dOcK\"\r\n\"9\"\r\n\"\"\r\n\"yes\"\r\n\"SOUND\"\r\n\"\"\r\n", t);
    EXPECT_TRUE(t.prefs.isOn(Preferences::OnTop));
    EXPECT_TRUE(t.prefs.isOn(Preferences::Docking));
    EXPECT_FALSE(t.prefs.isOn(Preferences::Splash));
    EXPECT_TRUE(t.prefs.isOn(Preferences::Sounds));
    EXPECT_FALSE(t.prefs.isOn(Preferences::PlayerLocation));
    EXPECT_EQ(t.shownFolder, QStringLiteral("<program folder>"));
    // Line 3 is taken even when docking is off.
    RenamerIni::apply("\"NoDock\"\r\n\"NoDock\"\r\n\"777\"\r\n", t);
    EXPECT_EQ(t.prefs.taskbarHeight, QStringLiteral("777"));
}

// A file cut after any line applies the lines before the cut and nothing else.
TEST(RenamerIni, TruncatedFilesApplyOnlyTheirLeadingLines)
{
    const QList<QByteArray> lines = {"\"OnTop\"", "\"NoDock\"", "\"600\"", "\"\"", "\"NoSplash\"",
                                     "\"NoSound\"", "\"/usr/bin/audacious\""};
    for (int n = 0; n <= 7; ++n) {
        QByteArray data;
        for (int i = 0; i < n; ++i)
            data += lines[i] + "\r\n";
        PrefsTarget t;
        RenamerIni::apply(data, t);
        const Preferences design;
        SCOPED_TRACE(n);
        EXPECT_EQ(t.prefs.isOn(Preferences::OnTop), n >= 1 ? true : design.isOn(Preferences::OnTop));
        EXPECT_EQ(t.prefs.isOn(Preferences::Docking), n >= 2 ? false : design.isOn(Preferences::Docking));
        EXPECT_EQ(t.prefs.taskbarHeight, n >= 3 ? QStringLiteral("600") : design.taskbarHeight);
        EXPECT_EQ(t.shownFolder, n >= 4 ? QStringLiteral("<program folder>") : QStringLiteral("<start>"));
        EXPECT_EQ(t.prefs.isOn(Preferences::Splash), n >= 5 ? false : design.isOn(Preferences::Splash));
        EXPECT_EQ(t.prefs.isOn(Preferences::Sounds), n >= 6 ? false : design.isOn(Preferences::Sounds));
        EXPECT_EQ(t.winampPath, n >= 7 ? QStringLiteral("/usr/bin/audacious") : QString());
    }
}

TEST(RenamerIni, AVanishedDefaultFolderStopsTheLoadThere)
{
    PrefsTarget t;
    t.prefs.defaultDirectory = QStringLiteral("previous");
    RenamerIni::apply("\"OnTop\"\r\n\"NoDock\"\r\n\"500\"\r\n\"/gone/away\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/x\"\r\n", t);
    EXPECT_TRUE(t.prefs.isOn(Preferences::OnTop));
    EXPECT_EQ(t.prefs.taskbarHeight, QStringLiteral("500"));
    EXPECT_TRUE(t.prefs.isOn(Preferences::DefaultDirectory));
    EXPECT_EQ(t.prefs.defaultDirectory, QStringLiteral("previous"));
    EXPECT_TRUE(t.prefs.isOn(Preferences::Splash));
    EXPECT_TRUE(t.prefs.isOn(Preferences::Sounds));
    EXPECT_TRUE(t.winampPath.isEmpty());
}

TEST(RenamerIni, MissingBinaryAndHugeFilesLoseNothing)
{
    TempDir dir;
    PrefsTarget t;
    RenamerIni::load(dir.filePath(QStringLiteral("renamer.ini")), t);
    EXPECT_EQ(t.prefs, Preferences());
    EXPECT_EQ(t.shownFolder, QStringLiteral("<start>"));

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char(i * 37);
    RenamerIni::load(dir.write(QStringLiteral("renamer.ini"), binary), t); // must not crash

    // Only the head of a huge file is read; its seven lines still apply.
    QByteArray huge = "\"OnTop\"\r\n\"Dock\"\r\n\"450\"\r\n\"\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"\"\r\n";
    huge += QByteArray(8 * 1024 * 1024, 'x');
    PrefsTarget h;
    RenamerIni::load(dir.write(QStringLiteral("renamer.ini"), huge), h);
    EXPECT_EQ(h.prefs.taskbarHeight, QStringLiteral("450"));
    EXPECT_TRUE(h.prefs.isOn(Preferences::OnTop));
}

TEST(RenamerIni, AFailedSaveLeavesTheOldFileWhole)
{
    TempDir dir;
    const QByteArray old = RenamerIni::render(Preferences());
    dir.write(QStringLiteral("renamer.ini"), old);
    // A folder where the temporary file would go cannot be written: point the
    // save at a path whose folder cannot be made, a file being in the way.
    dir.write(QStringLiteral("no"));
    EXPECT_FALSE(RenamerIni::save(dir.filePath(QStringLiteral("no/renamer.ini")), everythingOff()).ok());
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini")), old);
}

TEST(RenamerIni, AFolderNamedRenamerIniReadsAsMissingAndCannotBeSavedOver)
{
    TempDir dir;
    dir.write(QStringLiteral("renamer.ini/keep"), "x");
    PrefsTarget t;
    RenamerIni::load(dir.filePath(QStringLiteral("renamer.ini")), t);
    EXPECT_EQ(t.prefs, Preferences());
    EXPECT_EQ(t.shownFolder, QStringLiteral("<start>"));

    EXPECT_FALSE(RenamerIni::save(dir.filePath(QStringLiteral("renamer.ini")), everythingOff()).ok());
    EXPECT_EQ(dir.read(QStringLiteral("renamer.ini/keep")), "x");
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("renamer.ini")});
}
