// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DesktopSession.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

// The program under a real window manager (openbox on a private X server), driven only through
// the X server as a user's keyboard and mouse would: a window closed from outside means what its
// own controls mean, no process outlives its windows, docking never leaves a window unreachable.

namespace {

constexpr int WaitMs = 10000;
constexpr int ScreenHeight = 480; // DesktopSession's screen

// How a window is closed from outside: the window manager's close key, or the destruction of
// the window that xdotool's windowclose and some taskbars perform.
enum class CloseBy { AltF4, Destroy };

bool x(const QStringList &arguments)
{
    return DesktopSession::xdotool(arguments);
}

bool closeWindow(const QString &window, CloseBy how)
{
    return how == CloseBy::Destroy ? x({"windowclose", window})
                                   : x({"windowactivate", "--sync", window, "key", "--clearmodifiers", "alt+F4"});
}

// The marlune program in a folder of its own, so its settings file lives beside it.
class UnderWindowManager : public ::testing::TestWithParam<CloseBy>
{
protected:
    void SetUp() override
    {
        if (desktop().tray() != DesktopSession::WindowManager || !desktop().ready())
            GTEST_SKIP() << qPrintable(desktop().whyNot());
        QDir(temp.path()).mkpath(QStringLiteral("music"));
        QDir(temp.path()).mkpath(QStringLiteral("bin"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MARLUNE_PROGRAM), temp.filePath(QStringLiteral("bin/marlune"))));
    }

    void TearDown() override
    {
        process.kill();
        process.waitForFinished(WaitMs);
    }

    // Starts the program with docking on and returns its main window once shown.
    QString start(const QByteArray &taskbar = "400")
    {
        settings = "\"NotOnTop\"\r\n\"Dock\"\r\n\"" + taskbar + "\"\r\n\"" + temp.filePath("music").toUtf8()
                 + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/usr/bin/vlc\"\r\n";
        temp.write(QStringLiteral("bin/renamer.ini"), settings);
        process.setWorkingDirectory(temp.filePath(QStringLiteral("music")));
        process.start(temp.filePath(QStringLiteral("bin/marlune")), {});
        process.waitForStarted(WaitMs);
        return shown(QStringLiteral("Marlune"));
    }

    static QString find(const QString &title)
    {
        return DesktopSession::xdotoolOutput({"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
    }
    static QString shown(const QString &title)
    {
        QString id;
        // An empty id tells the caller the window never came.
        (void)QTest::qWaitFor([&] { return !(id = find(title)).isEmpty(); }, WaitMs);
        return id;
    }
    static bool gone(const QString &title)
    {
        return QTest::qWaitFor([&] { return find(title).isEmpty(); }, WaitMs);
    }
    static int shownWindows()
    {
        return DesktopSession::xdotoolOutput({"search", "--onlyvisible", "--class", "marlune"}).count('\n') + 1;
    }
    // Alt and the label's letter, then, once the menu is up, the entry's letter.
    static QString openFromMenu(const QString &main, const char *alt, const char *entry, const QString &title)
    {
        const int before = shownWindows();
        x({"windowactivate", "--sync", main, "key", "--clearmodifiers", alt});
        // When the menu never comes, the entry's window does not either: shown() says so.
        (void)QTest::qWaitFor([&] { return shownWindows() > before; }, WaitMs);
        x({"key", entry});
        return shown(title);
    }
    // No --sync: it waits forever when the pointer is there already.
    static bool clickAt(const QString &window, int px, int py)
    {
        return x({"mousemove", "--window", window, QString::number(px), QString::number(py), "click", "1"});
    }
    bool ends()
    {
        return process.waitForFinished(WaitMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    TempDir temp;
    QProcess process;
    QByteArray settings;
};

TEST_P(UnderWindowManager, ChildWindowsCloseAsCancelOrOkAndTheMainWindowEndsTheProgram)
{
    const QByteArray song(200, 'x');
    temp.write(QStringLiteral("music/a.mp3"), song);
    const QString main = start();
    ASSERT_FALSE(main.isEmpty());

    // Preferences: a tick (Space on "&Always On Top", where they open) is undone by the close,
    // as a Save made afterwards shows.
    QString pref = openFromMenu(main, "alt+o", "p", QStringLiteral("Preferences"));
    ASSERT_FALSE(pref.isEmpty());
    ASSERT_TRUE(x({"windowactivate", "--sync", pref, "key", "space"}));
    ASSERT_TRUE(closeWindow(pref, GetParam()));
    ASSERT_TRUE(gone(QStringLiteral("Preferences")));
    pref = openFromMenu(main, "alt+o", "p", QStringLiteral("Preferences"));
    ASSERT_FALSE(pref.isEmpty()) << "they open again";
    ASSERT_TRUE(clickAt(pref, 61, 251)); // Save
    ASSERT_TRUE(gone(QStringLiteral("Preferences")));
    EXPECT_EQ(temp.read(QStringLiteral("bin/renamer.ini")), settings);

    const QString about = openFromMenu(main, "alt+h", "a", QStringLiteral("About Marlune"));
    ASSERT_FALSE(about.isEmpty());
    ASSERT_TRUE(closeWindow(about, GetParam()));
    EXPECT_TRUE(gone(QStringLiteral("About Marlune")));

    // Tag editor: a typed title is dropped.
    ASSERT_TRUE(clickAt(main, 226, 56)); // a.mp3 in File1
    const QString editor = openFromMenu(main, "alt+t", "e", QStringLiteral("ID3 Tag Editor"));
    ASSERT_FALSE(editor.isEmpty());
    ASSERT_TRUE(x({"type", "changed"}));
    ASSERT_TRUE(closeWindow(editor, GetParam()));
    EXPECT_TRUE(gone(QStringLiteral("ID3 Tag Editor")));
    EXPECT_EQ(temp.read(QStringLiteral("music/a.mp3")), song);

    EXPECT_EQ(process.state(), QProcess::Running);
    ASSERT_TRUE(closeWindow(main, GetParam()));
    EXPECT_TRUE(ends());
    EXPECT_EQ(temp.read(QStringLiteral("bin/renamer.ini")), settings);
}

INSTANTIATE_TEST_SUITE_P(ClosedFromOutside, UnderWindowManager, ::testing::Values(CloseBy::AltF4, CloseBy::Destroy),
                         [](const auto &info) { return info.param == CloseBy::AltF4 ? "AltF4" : "Destroyed"; });

using DockingUnderWindowManager = UnderWindowManager;

TEST_F(DockingUnderWindowManager, AHugeTaskbarHeightStillLeavesTheWindowOnTheScreen)
{
    const QString main = start("40000");
    ASSERT_FALSE(main.isEmpty());
    const auto top = [&main] {
        return DesktopSession::xdotoolOutput({"getwindowgeometry", "--shell", main}).section("Y=", 1).section('\n', 0, 0).toInt();
    };
    const int before = top();
    // Dragged by its title until its bottom passes the screen's.
    ASSERT_TRUE(clickAt(main, 240, 12) && x({"mousedown", "1"}) && x({"mousemove_relative", "--", "0", QString::number(ScreenHeight)})
                && x({"mouseup", "1"}));
    int after = before;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (after = top()) != before; }, WaitMs));
    EXPECT_EQ(after, 0) << "the bottom rule would put it " << 40000 / 15 << " pixels above the screen";
}

} // namespace
