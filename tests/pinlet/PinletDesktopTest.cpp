// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DesktopSession.h"
#include "StatusNotifierHostThread.h"
#include "TrayHost.h"
#include "TrayWindows.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

// The built library under a real notification area. Each wait is bounded; a missing X server,
// tray or bus skips.

namespace {

constexpr int WaitMs = 10000;

QIcon squareIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkMagenta);
    return QIcon(pixmap);
}

class Events
{
public:
    explicit Events(QObject *control)
        : down(control, SIGNAL(MouseDown(int,short)))
        , up(control, SIGNAL(MouseUp(int,short)))
        , doubleClick(control, SIGNAL(MouseDblClick(int,short)))
    {
    }
    static QList<QVariantList> of(const QSignalSpy &spy) { return QList<QVariantList>(spy.cbegin(), spy.cend()); }
    void clear()
    {
        down.clear();
        up.clear();
        doubleClick.clear();
    }
    QSignalSpy down;
    QSignalSpy up;
    QSignalSpy doubleClick;
};

QString skipReason()
{
    if (!desktop().ready())
        return desktop().whyNot();
    return desktop().tray() == DesktopSession::XEmbed ? QStringLiteral("this run stands up an XEmbed tray")
                                                      : QStringLiteral("this run stands up a StatusNotifierItem host");
}

const QVariantList left{0, short(1)};
const QVariantList right{0, short(2)};

} // namespace

TEST(XEmbedTray, ShowsTheIconAndReportsRealClicks)
{
    if (desktop().tray() != DesktopSession::XEmbed || !desktop().ready())
        GTEST_SKIP() << qPrintable(skipReason());
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, WaitMs));

    TrayHost host;
    ASSERT_TRUE(host.loadFile(PINLET_PLUGIN_PATH, TrayHost::storedProperties(squareIcon())))
        << qPrintable(host.errorString());
    EXPECT_TRUE(host.trayAvailable());
    host.setInTray(true);
    ASSERT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));
    const QRect onScreen = host.instance()->findChild<QSystemTrayIcon *>()->geometry();
    ASSERT_TRUE(onScreen.isValid());
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(onScreen));
    if (const QByteArray shot = qgetenv("PINLET_DESKTOP_SHOT"); !shot.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(shot));

    const QString x = QString::number(onScreen.center().x());
    const QString y = QString::number(onScreen.center().y());
    Events events(host.instance());
    QSignalSpy doubleClicked(&host, &TrayHost::doubleClicked);
    ASSERT_TRUE(DesktopSession::xdotool({"mousemove", "--sync", x, y, "click", "--repeat", "2", "--delay", "80", "1"}));
    ASSERT_TRUE(doubleClicked.wait(WaitMs));
    EXPECT_EQ(Events::of(events.down), QList<QVariantList>{left});
    EXPECT_EQ(Events::of(events.doubleClick), QList<QVariantList>{left});

    // A middle click raises nothing, so the right click after it must be all that arrives.
    events.clear();
    ASSERT_TRUE(DesktopSession::xdotool({"click", "2", "click", "3"}));
    ASSERT_TRUE(events.up.wait(WaitMs));
    EXPECT_EQ(Events::of(events.down), QList<QVariantList>{right});
    EXPECT_EQ(Events::of(events.up), QList<QVariantList>{right});
    EXPECT_TRUE(events.doubleClick.isEmpty());

    host.setInTray(false);
    EXPECT_FALSE(anyTrayIconWindow());
    host.setInTray(true);
    ASSERT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));
}

TEST(XEmbedTray, DestroyingTheShownControlTakesTheIconAway)
{
    if (desktop().tray() != DesktopSession::XEmbed || !desktop().ready())
        GTEST_SKIP() << qPrintable(skipReason());
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, WaitMs));
    {
        TrayHost host;
        ASSERT_TRUE(host.loadFile(PINLET_PLUGIN_PATH, TrayHost::storedProperties(squareIcon())));
        host.setInTray(true);
        ASSERT_TRUE(QTest::qWaitFor([] { return embeddedTrayIcon() != nullptr; }, WaitMs));
    }
    EXPECT_FALSE(anyTrayIconWindow());
}

TEST(StatusNotifierTray, ActivateRaisesALeftDoubleClick)
{
    if (desktop().tray() != DesktopSession::StatusNotifier || !desktop().ready())
        GTEST_SKIP() << qPrintable(skipReason());

    StatusNotifierHostThread watcher(desktop().busAddress());
    ASSERT_TRUE(watcher.isRegistered());

    TrayHost host;
    ASSERT_TRUE(host.loadFile(PINLET_PLUGIN_PATH, TrayHost::storedProperties(squareIcon())))
        << qPrintable(host.errorString());
    EXPECT_TRUE(host.trayAvailable());
    host.setInTray(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.items().isEmpty(); }, WaitMs));
    const QString item = watcher.items().first();

    Events events(host.instance());
    QSignalSpy doubleClicked(&host, &TrayHost::doubleClicked);
    watcher.activate(item);
    ASSERT_TRUE(doubleClicked.wait(WaitMs));
    EXPECT_EQ(Events::of(events.down), QList<QVariantList>{left});
    EXPECT_EQ(Events::of(events.doubleClick), QList<QVariantList>{left});

    host.setInTray(false);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !QDBusConnection::sessionBus().interface()->isServiceRegistered(item).value(); }, WaitMs));
}
