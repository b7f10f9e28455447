#include "DesktopSession.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTest>
#include <gtest/gtest.h>

// The installed program under a real window manager (openbox on a private X server): every
// window closed from outside means what its own controls mean, no process outlives its
// windows, and docking never leaves a window out of reach. Driven only through the X server,
// as a user's keyboard and mouse would.

namespace {

constexpr int WaitMs = 10000;
// The screen DesktopSession starts.
constexpr int ScreenHeight = 480;

// The settings file as the program writes it, with docking on and the given taskbar height.
QByteArray renamerIni(const QString &folder, const char *taskbar = "400")
{
    return "\"NotOnTop\"\r\n\"Dock\"\r\n\"" + QByteArray(taskbar) + "\"\r\n\"" + folder.toUtf8()
         + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/usr/bin/vlc\"\r\n";
}

// How the window manager is asked to close a window: its close key, or the destruction of
// the window that some taskbars and xdotool's windowclose perform.
enum class CloseBy { AltF4, Destroy };

bool closeWindow(const QString &window, CloseBy how)
{
    if (how == CloseBy::Destroy)
        return DesktopSession::xdotool({"windowclose", window});
    return DesktopSession::xdotool({"windowactivate", "--sync", window, "key", "--clearmodifiers", "alt+F4"});
}

// The marlune program in a scratch folder of its own (so its settings file lives beside it),
// browsing a music folder.
class ProgramUnderWindowManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (desktop().tray() != DesktopSession::WindowManager || !desktop().ready())
            GTEST_SKIP() << qPrintable(desktop().whyNot());
        QDir(temp.path()).mkpath(QStringLiteral("bin"));
        QDir(temp.path()).mkpath(QStringLiteral("music"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MARLUNE_PROGRAM), program()));
        QFile(program()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner);
    }

    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(WaitMs);
        }
    }

    QString program() const { return temp.filePath(QStringLiteral("bin/marlune")); }
    QString ini() const { return temp.filePath(QStringLiteral("bin/renamer.ini")); }
    QString music() const { return temp.filePath(QStringLiteral("music")); }

    // Starts the program and returns its main window once the window manager shows it.
    QString start(const QByteArray &settings)
    {
        temp.write(QStringLiteral("bin/renamer.ini"), settings);
        process.setWorkingDirectory(music());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program(), {});
        return waitForWindow(QStringLiteral("Marlune"));
    }

    QString waitForWindow(const QString &title)
    {
        QString id;
        QTest::qWaitFor([&] { return !(id = shownWindow(title)).isEmpty(); }, WaitMs);
        return id;
    }

    static QString shownWindow(const QString &title)
    {
        return DesktopSession::xdotoolOutput({"search", "--onlyvisible", "--name", "^" + title + "$"})
            .section(QLatin1Char('\n'), 0, 0);
    }

    bool waitGone(const QString &title)
    {
        return QTest::qWaitFor([&] { return shownWindow(title).isEmpty(); }, WaitMs);
    }

    // The program's own menus from the keyboard: Alt and the label's letter, then the entry's.
    static bool menuEntry(const QString &window, const char *alt, const char *entry)
    {
        return DesktopSession::xdotool({"windowactivate", "--sync", window, "key", "--clearmodifiers", alt})
            && DesktopSession::xdotool({"key", entry});
    }

    static bool clickAt(const QString &window, QPoint at)
    {
        // No --sync: it waits forever when the pointer is already there.
        return DesktopSession::xdotool({"mousemove", "--window", window, QString::number(at.x()),
                                        QString::number(at.y()), "click", "1"});
    }

    static QRect geometry(const QString &window)
    {
        QRect r;
        const QStringList lines = DesktopSession::xdotoolOutput({"getwindowgeometry", "--shell", window}).split('\n');
        for (const QString &line : lines) {
            const int value = line.section('=', 1).toInt();
            if (line.startsWith("X=")) r.moveLeft(value);
            if (line.startsWith("Y=")) r.moveTop(value);
            if (line.startsWith("WIDTH=")) r.setWidth(value);
            if (line.startsWith("HEIGHT=")) r.setHeight(value);
        }
        return r;
    }

    bool endsCleanly() { return process.waitForFinished(WaitMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0; }

    TempDir temp;
    QProcess process;
};

class ClosedFromOutside : public ProgramUnderWindowManager, public ::testing::WithParamInterface<CloseBy>
{
};

TEST_P(ClosedFromOutside, MainWindowEndsTheProgramAndLeavesTheSettingsAlone)
{
    const QByteArray settings = renamerIni(music());
    const QString main = start(settings);
    ASSERT_FALSE(main.isEmpty());
    ASSERT_TRUE(closeWindow(main, GetParam()));
    EXPECT_TRUE(endsCleanly());
    EXPECT_EQ(temp.read(QStringLiteral("bin/renamer.ini")), settings);
}

TEST_P(ClosedFromOutside, PreferencesAreCancel)
{
    const QString main = start(renamerIni(music()));
    ASSERT_FALSE(main.isEmpty());
    ASSERT_TRUE(menuEntry(main, "alt+o", "p"));
    QString pref = waitForWindow(QStringLiteral("Preferences"));
    ASSERT_FALSE(pref.isEmpty());
    // Ticks "&Always On Top", where the window opens. (Its Alt+A would tick it only after the
    // button's 100 ms press animation.)
    ASSERT_TRUE(DesktopSession::xdotool({"windowactivate", "--sync", pref, "key", "space"}));
    ASSERT_TRUE(closeWindow(pref, GetParam()));
    ASSERT_TRUE(waitGone(QStringLiteral("Preferences")));
    EXPECT_EQ(process.state(), QProcess::Running);

    // Saved now, the settings show whether the closed window's tick outlived it.
    ASSERT_TRUE(menuEntry(main, "alt+o", "p"));
    pref = waitForWindow(QStringLiteral("Preferences"));
    ASSERT_FALSE(pref.isEmpty()) << "the preferences open again";
    ASSERT_TRUE(clickAt(pref, {61, 251})); // Save
    ASSERT_TRUE(waitGone(QStringLiteral("Preferences")));
    const QByteArray saved = temp.read(QStringLiteral("bin/renamer.ini"));
    EXPECT_TRUE(saved.startsWith("\"NotOnTop\"\r\n")) << saved.toStdString();
    ASSERT_TRUE(closeWindow(main, GetParam()));
    EXPECT_TRUE(endsCleanly());
}

TEST_P(ClosedFromOutside, AboutIsOkAndTheTagEditorIsCancel)
{
    const QByteArray song(200, 'x');
    temp.write(QStringLiteral("music/a.mp3"), song);
    const QString main = start(renamerIni(music()));
    ASSERT_FALSE(main.isEmpty());

    ASSERT_TRUE(menuEntry(main, "alt+h", "a"));
    const QString about = waitForWindow(QStringLiteral("About Marlune"));
    ASSERT_FALSE(about.isEmpty());
    ASSERT_TRUE(closeWindow(about, GetParam()));
    EXPECT_TRUE(waitGone(QStringLiteral("About Marlune")));

    ASSERT_TRUE(clickAt(main, {226, 56})); // the first file in File1
    ASSERT_TRUE(menuEntry(main, "alt+t", "e"));
    const QString editor = waitForWindow(QStringLiteral("ID3 Tag Editor"));
    ASSERT_FALSE(editor.isEmpty());
    ASSERT_TRUE(DesktopSession::xdotool({"type", "changed"})); // into Title
    ASSERT_TRUE(closeWindow(editor, GetParam()));
    EXPECT_TRUE(waitGone(QStringLiteral("ID3 Tag Editor")));
    EXPECT_EQ(temp.read(QStringLiteral("music/a.mp3")), song) << "nothing written";

    EXPECT_EQ(process.state(), QProcess::Running);
    ASSERT_TRUE(closeWindow(main, GetParam()));
    EXPECT_TRUE(endsCleanly());
}

INSTANTIATE_TEST_SUITE_P(WindowManager, ClosedFromOutside, ::testing::Values(CloseBy::AltF4, CloseBy::Destroy),
                         [](const ::testing::TestParamInfo<CloseBy> &info) {
                             return info.param == CloseBy::AltF4 ? "AltF4" : "Destroyed";
                         });

TEST_F(ProgramUnderWindowManager, DockingWithAHugeTaskbarHeightKeepsTheWindowOnTheScreen)
{
    const QString main = start(renamerIni(music(), "40000"));
    ASSERT_FALSE(main.isEmpty());
    const QRect before = geometry(main);
    ASSERT_TRUE(before.isValid());
    // Dragged by its title until its bottom passes the screen's.
    const QPoint title(before.center().x(), before.top() + 12);
    ASSERT_TRUE(DesktopSession::xdotool({"mousemove", QString::number(title.x()), QString::number(title.y()),
                                         "mousedown", "1"}));
    ASSERT_TRUE(DesktopSession::xdotool({"mousemove", QString::number(title.x()), QString::number(ScreenHeight - 20),
                                         "mouseup", "1"}));
    QRect after;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (after = geometry(main)).top() != before.top(); }, WaitMs));
    EXPECT_GE(after.top(), 0);
    EXPECT_LE(after.bottom(), ScreenHeight - 1);
    EXPECT_EQ(after.left(), before.left());
    ASSERT_TRUE(closeWindow(main, CloseBy::AltF4));
    EXPECT_TRUE(endsCleanly());
}

} // namespace
