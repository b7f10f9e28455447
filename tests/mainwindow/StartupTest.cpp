// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MainWindowFixture.h"

#include "MarluneVersion.h"
#include "frmSplash.h"

#include <QProcess>

#include <QElapsedTimer>
#include <QTimer>

namespace {

class Startup : public MainWindowFixture
{
};

TEST_F(Startup, OneFileOnTheCommandLineOpensOnItsPreview)
{
    touch(QStringLiteral("the_owls-blue sky.mp3"));
    dialogs.answer(QStringLiteral("2"));
    Forms &f = start({QStringLiteral("the_owls-blue sky.mp3")});
    Main(f);
    frmRenamer &main = f.Renamer();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(f.splashLoaded());
    EXPECT_EQ(dialogs.prompts().size(), 1);
    EXPECT_EQ(items(main.lstFiles), QStringList({"(The Owls) Blue Sky.mp3"}));
    EXPECT_EQ(main.lblButton(2)->text(), QStringLiteral("Rename"));
    EXPECT_TRUE(main.b_Arg());

    clickRow(main.lstFiles, 0);
    main.DoIt();
    EXPECT_TRUE(QFile::exists(musicFile(QStringLiteral("(The Owls) Blue Sky.mp3"))));
    EXPECT_FALSE(main.b_Arg());
}

TEST_F(Startup, NoRecognisedFileLeavesPreviewOnTheFolderList)
{
    touch(QStringLiteral("x y.mp3"));
    Forms &f = start({QStringLiteral("notes.rm"), QStringLiteral("--flag")});
    Main(f);
    frmRenamer &main = f.Renamer();
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_EQ(main.lblButton(2)->text(), QStringLiteral("Preview"));
    EXPECT_FALSE(main.b_Arg());
    EXPECT_TRUE(main.File1->isEnabled());

    main.menus().mnuCap->trigger();
    main.File1->setSelected(0, true);
    main.DoIt();
    EXPECT_EQ(items(main.lstFiles), QStringList({"X Y.mp3"}));
}

TEST_F(Startup, SplashIsShownDuringThePauseThenUnloaded)
{
    Forms &f = start();
    ASSERT_TRUE(f.preferences().splash()) << "no renamer.ini: the splash is on";
    bool splashSeen = false;
    bool mainHidden = false;
    QTimer::singleShot(0, [&] {
        splashSeen = f.splashLoaded() && f.Splash().isVisible()
                  && f.Splash().lblRenamer()->text() == QStringLiteral("Marlune");
        mainHidden = !(f.renamerLoaded() && f.Renamer().isVisible());
    });
    Main(f);
    EXPECT_TRUE(splashSeen);
    EXPECT_TRUE(mainHidden);
    EXPECT_FALSE(f.splashLoaded());
    EXPECT_TRUE(f.Renamer().isVisible());
    EXPECT_FALSE(f.Renamer().b_Arg());
    EXPECT_FALSE(f.prefLoaded() && f.Pref().isVisible());
}

TEST_F(Startup, NoSplashWhenTheOptionIsOffOrFilesAreNamed)
{
    temp.write(QStringLiteral("app/renamer.ini"),
               "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"\"\r\n\"NoSplash\"\r\n\"Sound\"\r\n\"\"\r\n");
    Forms &f = start();
    bool splashSeen = false;
    QTimer::singleShot(0, [&] { splashSeen = f.splashLoaded(); });
    Main(f);
    QCoreApplication::processEvents();
    EXPECT_FALSE(splashSeen);
    EXPECT_TRUE(f.Renamer().isVisible());
    // An empty default directory starts on the start folder, not where settings live.
    EXPECT_EQ(f.Renamer().Dir1->path(), QDir::cleanPath(home()));
}

TEST_F(Startup, StoredDefaultFolderOrItsAbsence)
{
    QDir(temp.path()).mkpath(QStringLiteral("stored"));
    const QString stored = temp.filePath(QStringLiteral("stored"));
    struct Case
    {
        QString folder;
        QString expectedDir;
        bool splashOnAfter;
    };
    const Case cases[] = {
        {stored, stored, false},
        // Deleted since it was saved: the load stops there, later lines keep the design state.
        {temp.filePath(QStringLiteral("gone")), QDir(music()).canonicalPath(), true},
    };
    for (const Case &c : cases) {
        temp.write(QStringLiteral("app/renamer.ini"),
                   QByteArray("\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"") + c.folder.toUtf8()
                       + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"\"\r\n");
        Forms &f = start();
        Main(f);
        EXPECT_EQ(f.Renamer().Dir1->path(), QDir::cleanPath(c.expectedDir));
        EXPECT_EQ(f.Renamer().File1->path(), f.Renamer().Dir1->path());
        EXPECT_TRUE(f.preferences().defaultDirectoryOn());
        EXPECT_EQ(f.preferences().splash(), c.splashOnAfter);
        EXPECT_TRUE(dialogs.messages().isEmpty());
        forms.reset();
    }
}

TEST_F(Startup, StaleAnswerStoreIsDeletedWhenTheWindowLoads)
{
    temp.write(QStringLiteral("cache/marlune/renamer.dat"), "2\r\n");
    open();
    EXPECT_FALSE(QFile::exists(cache() + QStringLiteral("/renamer.dat")));
}

// The real start-up's folders, under XDG folders of the test's own: not doubled,
// and the settings of earlier versions moved into the configuration folder.
TEST_F(Startup, ProgramConfigUsesTheXdgFoldersAndMovesOldSettings)
{
    const QByteArray names[] = {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"};
    QList<QByteArray> saved;
    for (const QByteArray &name : names) {
        saved << qgetenv(name.constData());
        qputenv(name.constData(), temp.filePath(QString::fromLatin1(name)).toUtf8());
    }
    const QString oldName = QCoreApplication::applicationName();
    nameProgram();
    temp.write(QStringLiteral("XDG_DATA_HOME/marlune/marlune/renamer.ini"), "\"OnTop\"\r\n");
    const Forms::Config config = programConfig({});
    QCoreApplication::setApplicationName(oldName);
    for (int i = 0; i < 3; ++i)
        saved[i].isEmpty() ? qunsetenv(names[i].constData()) : qputenv(names[i].constData(), saved[i]);

    EXPECT_EQ(config.appFolder.configFolder(), temp.filePath(QStringLiteral("XDG_CONFIG_HOME/marlune")));
    EXPECT_EQ(config.appFolder.cacheFolder(), temp.filePath(QStringLiteral("XDG_CACHE_HOME/marlune")));
    EXPECT_EQ(temp.read(QStringLiteral("XDG_CONFIG_HOME/marlune/renamer.ini")), "\"OnTop\"\r\n");
    EXPECT_FALSE(temp.exists(QStringLiteral("XDG_DATA_HOME/marlune/marlune/renamer.ini")));
    EXPECT_FALSE(temp.exists(QStringLiteral("XDG_CACHE_HOME")));
}

TEST_F(Startup, PauseWaitsTheGivenTimeWhileEventsRun)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer clock;
    clock.start();
    Pause(0.03f);
    EXPECT_GE(clock.elapsed(), 30);
    EXPECT_TRUE(ran);

    clock.restart();
    Pause(0.0f);
    EXPECT_LT(clock.elapsed(), 30) << "a wait of 0 returns at once";
}

} // namespace

namespace {

// With no display at all: a window, or even the application object, would end it with an error.
TEST(ProgramInfo, HelpAndVersionPrintAndEndWithoutAWindow)
{
    const struct { const char *argument; QByteArray begins; } rows[] = {
        {"--help", "Usage: marlune [FILE...]\n"},
        {"-h", "Usage: marlune [FILE...]\n"},
        {"--version", "marlune " MARLUNE_VERSION "\n"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const auto &row : rows) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MARLUNE_PROGRAM), {QString::fromLatin1(row.argument)});
        ASSERT_TRUE(program.waitForFinished(10000)) << row.argument;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << row.argument;
        EXPECT_EQ(program.exitCode(), 0) << row.argument;
        EXPECT_TRUE(program.readAllStandardOutput().startsWith(row.begins)) << row.argument;
    }
}

} // namespace
