// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DesktopSession.h"
#include "FakePlayer.h"
#include "MainWindowFixture.h"
#include "MenuLabelLayout.h"
#include "MprisPlayerLink.h"
#include "SessionBus.h"
#include "StatusNotifierHostThread.h"
#include "TrayHost.h"
#include "TrayWindows.h"

#include <QDBusConnectionInterface>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWindow>

// The real main window against the outside world: a notification area (an XEmbed tray on a
// private X server, a StatusNotifierItem host on a private bus, or none at all) and a media
// player on a private session bus. Every wait is bounded; missing programs skip.

namespace {

constexpr int WaitMs = 10000;

bool isRun(DesktopSession::Tray tray)
{
    return desktop().tray() == tray && desktop().ready();
}

class MainWindowDesktop : public MainWindowFixture
{
protected:
    // The main window shown for browsing, the notification area allowed, sounds on.
    frmRenamer &openWithTray()
    {
        trayFolders = {QStringLiteral(PINLET_PLUGIN_DIR)};
        Forms &f = start({}, true);
        f.preferences().setOption(Preferences::Splash, false);
        f.preferences().setOption(Preferences::Sounds, true);
        Main(f);
        frmRenamer &main = f.Renamer();
        main.show();
        return main;
    }

    // The minimise and restore clips only: moving the pointer over labels beeps as well.
    std::vector<Clip> trayClips() const
    {
        std::vector<Clip> played;
        std::copy_if(clips.played.cbegin(), clips.played.cend(), std::back_inserter(played),
                     [](Clip clip) { return clip == Clip::Min || clip == Clip::Max; });
        return played;
    }

    static QPoint centreOnScreen(const QWidget *widget) { return widget->mapToGlobal(widget->rect().center()); }

    static bool clickAt(QPoint at, int clicks = 1)
    {
        return DesktopSession::xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                                        "click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
    }
};

} // namespace

TEST_F(MainWindowDesktop, XEmbedTrayTakesTheWindowAndADoubleClickBringsItBack)
{
    if (!isRun(DesktopSession::XEmbed))
        GTEST_SKIP() << qPrintable(desktop().ready() ? QStringLiteral("not the XEmbed run") : desktop().whyNot());
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, WaitMs));
    frmRenamer &main = openWithTray();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, WaitMs));
    EXPECT_EQ(main.tray(), nullptr) << "the control is loaded at the first press of \"--\", not before";

    ASSERT_TRUE(clickAt(centreOnScreen(main.lblMenu(MenuIndex::Minimise))));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.isVisible(); }, WaitMs));
    EXPECT_FALSE(main.isMinimized()) << "hidden into the tray, not minimised";
    ASSERT_NE(main.tray(), nullptr);
    EXPECT_TRUE(main.tray()->inTray());
    ASSERT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));
    EXPECT_EQ(trayClips(), std::vector<Clip>{Clip::Min});

    const auto *icon = main.tray()->instance()->findChild<QSystemTrayIcon *>();
    ASSERT_NE(icon, nullptr);
    ASSERT_TRUE(icon->geometry().isValid());
    ASSERT_TRUE(clickAt(icon->geometry().center(), 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, WaitMs));
    EXPECT_FALSE(main.tray()->inTray());
    EXPECT_FALSE(anyTrayIconWindow());
    EXPECT_EQ(trayClips(), (std::vector<Clip>{Clip::Min, Clip::Max}));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main, WaitMs));

    // And again, with the control already loaded.
    QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));
}

TEST_F(MainWindowDesktop, AWindowHiddenInATrayThatGoesAwayComesBackAndStaysUntilTheNextPress)
{
    if (!isRun(DesktopSession::XEmbed))
        GTEST_SKIP() << qPrintable(desktop().ready() ? QStringLiteral("not the XEmbed run") : desktop().whyNot());
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, WaitMs));
    frmRenamer &main = openWithTray();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, WaitMs));
    QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    ASSERT_FALSE(main.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));

    ASSERT_TRUE(desktop().stopTray());
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, WaitMs));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main, WaitMs));
    EXPECT_FALSE(main.tray()->inTray());
    EXPECT_FALSE(anyTrayIconWindow());
    EXPECT_EQ(trayClips(), (std::vector<Clip>{Clip::Min, Clip::Max}));

    // A new tray takes nothing by itself; the next press of "--" hides the window into it.
    ASSERT_TRUE(desktop().startTray());
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, WaitMs));
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(anyTrayIconWindow());
    QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));
}

TEST_F(MainWindowDesktop, StatusNotifierActivateOrTheHostGoingAwayBringsTheWindowBack)
{
    if (!isRun(DesktopSession::StatusNotifier))
        GTEST_SKIP() << qPrintable(desktop().ready() ? QStringLiteral("not the StatusNotifierItem run")
                                                     : desktop().whyNot());
    auto host = std::make_unique<StatusNotifierHostThread>(desktop().busAddress());
    StatusNotifierHostThread &watcher = *host;
    ASSERT_TRUE(watcher.isRegistered());
    frmRenamer &main = openWithTray();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, WaitMs));

    QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    EXPECT_FALSE(main.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.items().isEmpty(); }, WaitMs));
    const QString item = watcher.items().first();
    EXPECT_EQ(trayClips(), std::vector<Clip>{Clip::Min});

    watcher.activate(item);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, WaitMs));
    EXPECT_FALSE(main.tray()->inTray());
    EXPECT_EQ(trayClips(), (std::vector<Clip>{Clip::Min, Clip::Max}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !QDBusConnection::sessionBus().interface()->isServiceRegistered(item).value(); }, WaitMs));

    QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.items().size() == 2; }, WaitMs));
    host.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, WaitMs));
    EXPECT_FALSE(main.tray()->inTray());
    EXPECT_EQ(trayClips(), (std::vector<Clip>{Clip::Min, Clip::Max, Clip::Min, Clip::Max}));
}

TEST_F(MainWindowDesktop, WithoutANotificationAreaTheLabelMinimisesAndTheWindowComesBack)
{
    if (!isRun(DesktopSession::Offscreen))
        GTEST_SKIP() << "not the run without a notification area";
    frmRenamer &main = openWithTray();
    for (int round = 0; round < 2; ++round) {
        QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
        EXPECT_TRUE(main.isMinimized()) << round;
        // The library is there; only the notification area is missing.
        ASSERT_NE(main.tray(), nullptr);
        EXPECT_TRUE(main.tray()->isLoaded());
        EXPECT_FALSE(main.tray()->trayAvailable());
        EXPECT_FALSE(main.tray()->inTray());
        main.showNormal();
        EXPECT_FALSE(main.isMinimized()) << round;
        EXPECT_TRUE(main.isVisible()) << round;
    }
    EXPECT_EQ(trayClips(), (std::vector<Clip>{Clip::Min, Clip::Max, Clip::Min, Clip::Max}));
}

TEST_F(MainWindowDesktop, EnqueueMenuHandsTheSelectionToAPlayerOnTheBus)
{
    if (!isRun(DesktopSession::Offscreen))
        GTEST_SKIP() << "runs once, in the run without a notification area";
    SessionBus bus;
    if (!bus.isUp())
        GTEST_SKIP() << "dbus-daemon is not available";
    FakePlayer player(QStringLiteral(FAKE_MPRIS_PLAYER), bus.busAddress(), QStringLiteral("vlc"), true);
    ASSERT_TRUE(player.isReady());

    // In the order File1 lists them; the last one stays unselected.
    const QStringList names = {"(The Owls) Blue Sky.mp3", "b.mp3", "c 100% #1.mp3", "Café Ünïcode.mp3", "d.mp3",
                               "e.mp3", "f.mp3", "g  two spaces.mp3", "h.mp3", "日本の歌.mp3", "遠い not me.mp3"};
    for (const QString &name : names)
        touch(name);
    temp.write(QStringLiteral("app/renamer.ini"),
               "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"" + music().toUtf8()
                   + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/usr/bin/vlc\"\r\n");
    Forms::Config config;
    config.appFolder = AppFolder(app());
    config.dialogs = &dialogs;
    config.quit = [this] { ++quits; };
    config.playerLink = [&bus] { return std::make_unique<MprisPlayerLink>(bus.connection()); };
    config.useTray = false;
    config.clips = &clips;
    forms = std::make_unique<Forms>(std::move(config));
    Main(*forms);
    frmRenamer &main = forms->Renamer();
    main.show();
    QStringList listed;
    for (int i = 0; i < main.File1->listCount(); ++i)
        listed << main.File1->list(i);
    ASSERT_EQ(listed, names);

    const auto enqueueFromMenu = [&main](int row) {
        QTest::mouseClick(main.File1->viewport(), Qt::RightButton, {},
                          main.File1->visualRect(main.File1->model()->index(row, 0)).center());
        ASSERT_TRUE(main.menus().mnuTag->isVisible());
        QTest::mouseClick(main.menus().mnuTag, Qt::LeftButton, {}, main.menus().mnuTag->actionGeometry(main.menus().mnuEnqueue).center());
    };
    // Unchecked, nothing goes; the single file sent after it must be the first call to arrive.
    clickRow(main.File1, 0);
    clickRow(main.File1, 9, Qt::ShiftModifier);
    forms->preferences().setOption(Preferences::PlayerLocation, false);
    enqueueFromMenu(0);
    forms->preferences().setOption(Preferences::PlayerLocation, true);
    clickRow(main.File1, 3);
    enqueueFromMenu(3);
    const QString folder = main.File1->path() + QLatin1Char('/');
    const auto url = [&](const QString &name) { return QString::fromUtf8(QUrl::fromLocalFile(folder + name).toEncoded()); };
    EXPECT_EQ(player.addedUrls(1), QStringList{url(names[3])});

    clickRow(main.File1, 0);
    clickRow(main.File1, 9, Qt::ShiftModifier);
    enqueueFromMenu(5);
    QStringList expected{url(names[3])};
    for (int i = 0; i < 10; ++i)
        expected << url(names[i]);
    EXPECT_EQ(player.addedUrls(11), expected);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}
