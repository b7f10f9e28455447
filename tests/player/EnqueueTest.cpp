// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Enqueue.h"
#include "FakePlayer.h"
#include "MprisPlayerLink.h"
#include "ScriptedDialogs.h"
#include "SessionBus.h"
#include "TempDir.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString invalidPathMessage = QStringLiteral(
    "The path to the Winamp application entered under prefrences is invalid. Please enter the correct path.");
const QString barrierUrl = QStringLiteral("file:///barrier.mp3");

class EnqueueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!bus.isUp())
            GTEST_SKIP() << "dbus-daemon is not available";
        link = std::make_unique<MprisPlayerLink>(bus.connection(), MprisPlayerLink::Timeouts{3000, 3000});
    }

    std::unique_ptr<FakePlayer> startPlayer(const QString &suffix, bool canEditTracks,
                                            const QString &program = QStringLiteral(FAKE_MPRIS_PLAYER))
    {
        auto player = std::make_unique<FakePlayer>(program, bus.busAddress(), suffix, canEditTracks);
        EXPECT_TRUE(player->isReady());
        return player;
    }

    // A link to the fake player under another name, so its process runs as that program.
    QString playerProgramNamed(const QString &name)
    {
        const QString path = temp.filePath(name);
        QFile::link(QStringLiteral(FAKE_MPRIS_PLAYER), path);
        return path;
    }

    // A shell script standing in for a player program.
    QString script(const QString &name, const QByteArray &body)
    {
        temp.write(QStringLiteral("bin/.keep"));
        const QString path = temp.write(QStringLiteral("bin/") + name, "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    void enqueue(const QString &winampPath, const QString &folder, const QStringList &names,
                 bool checked = true, int startWaitMs = 5000)
    {
        QList<NativeName> files;
        for (const QString &name : names)
            files.append(NativeName::fromText(name));
        Playfile::mnuEnqueue_Click({checked, winampPath, NativeName::fromText(folder), files, startWaitMs}, *link,
                                   dialogs);
    }

    // Everything the only player received before a last file sent now: calls are answered
    // in order, so the barrier arriving proves nothing else is still on its way.
    QStringList receivedBeforeBarrier(FakePlayer &player)
    {
        QDBusMessage add = QDBusMessage::createMethodCall(player.busName(), QStringLiteral("/org/mpris/MediaPlayer2"),
            QStringLiteral("org.mpris.MediaPlayer2.TrackList"), QStringLiteral("AddTrack"));
        add << barrierUrl << QVariant::fromValue(QDBusObjectPath(QStringLiteral("/"))) << false;
        EXPECT_EQ(bus.connection().call(add, QDBus::Block, 3000).type(), QDBusMessage::ReplyMessage);
        QStringList urls = player.addedUrls();
        while (!urls.contains(barrierUrl)) {
            const int before = urls.size();
            urls = player.addedUrls(before + 1);
            if (urls.size() == before)
                break;
        }
        EXPECT_EQ(urls.value(urls.size() - 1), barrierUrl);
        urls.removeAll(barrierUrl);
        return urls;
    }

    TempDir temp;
    SessionBus bus;
    std::unique_ptr<MprisPlayerLink> link;
    ScriptedDialogs dialogs;
};

TEST_F(EnqueueTest, TenSelectedFilesArriveInListOrderAsFileUrls)
{
    auto player = startPlayer(QStringLiteral("vlc"), true);
    const QStringList names = {
        QStringLiteral("(The Owls) Blue Sky.mp3"), QStringLiteral("b.mp3"), QStringLiteral("Café Ünïcode.mp3"),
        QStringLiteral("日本の歌.mp3"), QStringLiteral("a.mp3"), QStringLiteral("100% #1?.mp3"),
        QStringLiteral("z.mp3"), QStringLiteral("two  spaces.mp3"), QStringLiteral("x.mpg"), QStringLiteral("y.mp3")};
    enqueue(QStringLiteral("/usr/bin/vlc"), QStringLiteral("/music/My Folder"), names);

    const QStringList expected = {
        QStringLiteral("file:///music/My%20Folder/(The%20Owls)%20Blue%20Sky.mp3"),
        QStringLiteral("file:///music/My%20Folder/b.mp3"),
        QStringLiteral("file:///music/My%20Folder/Caf%C3%A9%20%C3%9Cn%C3%AFcode.mp3"),
        QStringLiteral("file:///music/My%20Folder/%E6%97%A5%E6%9C%AC%E3%81%AE%E6%AD%8C.mp3"),
        QStringLiteral("file:///music/My%20Folder/a.mp3"),
        QStringLiteral("file:///music/My%20Folder/100%25%20%231%3F.mp3"),
        QStringLiteral("file:///music/My%20Folder/z.mp3"),
        QStringLiteral("file:///music/My%20Folder/two%20%20spaces.mp3"),
        QStringLiteral("file:///music/My%20Folder/x.mpg"),
        QStringLiteral("file:///music/My%20Folder/y.mp3")};
    EXPECT_EQ(player->addedUrls(10), expected);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    // Appended after the last track, never made the current one, so the player's list
    // ends up in the same order.
    EXPECT_EQ(player->playList(10), expected);
    for (const QString &call : player->calls())
        EXPECT_TRUE(call.endsWith(QLatin1String("\t0"))) << qPrintable(call);
}

// The URL carries the very bytes, so twins that show alike stay two files.
TEST_F(EnqueueTest, NamesThatAreNotTextArriveByTheirBytes)
{
    auto player = startPlayer(QStringLiteral("vlc"), true);
    const NativeName folder("/m/Caf\xe9", QString());
    Playfile::mnuEnqueue_Click({true, QStringLiteral("/usr/bin/vlc"), folder,
                                {NativeName("song\xe9.mp3", QString()), NativeName("song\xef\xbf\xbd.mp3", QString())},
                                5000},
                               *link, dialogs);
    EXPECT_EQ(player->addedUrls(2), (QStringList{QStringLiteral("file:///m/Caf%E9/song%E9.mp3"),
                                                  QStringLiteral("file:///m/Caf%E9/song%EF%BF%BD.mp3")}));
}

TEST_F(EnqueueTest, FolderAtTheRootGetsOneSeparator)
{
    auto player = startPlayer(QStringLiteral("vlc"), true);
    enqueue(QStringLiteral("/usr/bin/vlc"), QStringLiteral("/"), {QStringLiteral("Song.mp3")});
    EXPECT_EQ(player->addedUrls(1), QStringList{QStringLiteral("file:///Song.mp3")});
}

TEST_F(EnqueueTest, RunningPlayerGetsFilesEvenWhenThePathIsWrong)
{
    auto player = startPlayer(QStringLiteral("vlc"), true);
    enqueue(temp.filePath(QStringLiteral("missing/player")), QStringLiteral("/m"), {QStringLiteral("a.mp3")});
    EXPECT_EQ(player->addedUrls(1), QStringList{QStringLiteral("file:///m/a.mp3")});
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(EnqueueTest, NothingHappensWhenTheOptionIsOffOrThePathEmpty)
{
    auto player = startPlayer(QStringLiteral("vlc"), true);
    enqueue(QStringLiteral("/usr/bin/vlc"), QStringLiteral("/m"), {QStringLiteral("a.mp3")}, false);
    enqueue(temp.filePath(QStringLiteral("missing")), QStringLiteral("/m"), {QStringLiteral("b.mp3")}, false);
    enqueue(QString(), QStringLiteral("/m"), {QStringLiteral("c.mp3")});
    EXPECT_TRUE(receivedBeforeBarrier(*player).isEmpty());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(EnqueueTest, NoPlayerAndAWrongPathShowTheMessage)
{
    const QStringList wrongPaths = {temp.filePath(QStringLiteral("no/such/vlc")),
                                    QStringLiteral("no-such-player-program")};
    for (const QString &path : wrongPaths) {
        dialogs.clear();
        enqueue(path, QStringLiteral("/m"), {QStringLiteral("a.mp3")});
        ASSERT_EQ(dialogs.messages().size(), 1) << qPrintable(path);
        EXPECT_EQ(dialogs.messages()[0].text, invalidPathMessage);
        EXPECT_EQ(dialogs.messages()[0].icon, Dialogs::Icon::None);
        EXPECT_EQ(dialogs.messages()[0].caption, applicationTitle());
    }
}

TEST_F(EnqueueTest, AProgramThatCannotStartGivesTheGenericMessage)
{
    temp.write(QStringLiteral("folder/.keep"));
    enqueue(temp.filePath(QStringLiteral("folder")), QStringLiteral("/m"), {QStringLiteral("a.mp3")});
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("There was an error: \r\n75 Path/File access error\r\n"
                                         "Please report the error to the developer by going to the About window.")});
}

TEST_F(EnqueueTest, NoPlayerAndARightPathStartsTheProgram)
{
    // The stand-in becomes a player on the bus, which is how the test sees it start.
    const QString program = script(QStringLiteral("player"),
        "exec '" FAKE_MPRIS_PLAYER "' '" + bus.busAddress().toUtf8() + "' started 1 >/dev/null");
    QDBusServiceWatcher watcher(QStringLiteral("org.mpris.MediaPlayer2.started"), bus.connection(),
                                QDBusServiceWatcher::WatchForRegistration);
    QSignalSpy registered(&watcher, &QDBusServiceWatcher::serviceRegistered);

    enqueue(program, QStringLiteral("/m"), {});

    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(registered.wait(5000));
}

TEST_F(EnqueueTest, AStartedPlayerGetsTheFilesOnceItIsUp)
{
    const QString received = temp.filePath(QStringLiteral("received.log"));
    const QString program = script(QStringLiteral("player"),
        "exec '" FAKE_MPRIS_PLAYER "' '" + bus.busAddress().toUtf8() + "' started 1 > '" + received.toUtf8() + "'");

    enqueue(program, QStringLiteral("/m"), {QStringLiteral("a.mp3"), QStringLiteral("b.mp3")});

    // Each hand-over is answered, so the lines are written when the command returns.
    QFile file(received);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("ready\n"
                             "AddTrack\tfile:///m/a.mp3\t/org/mpris/MediaPlayer2/TrackList/NoTrack\t0\n"
                             "PlayList\tfile:///m/a.mp3\n"
                             "AddTrack\tfile:///m/b.mp3\t/org/marlune/fake/track/1\t0\n"
                             "PlayList\tfile:///m/a.mp3\tfile:///m/b.mp3\n"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(EnqueueTest, AStartedProgramThatNeverBecomesAPlayerEndsTheWaitQuietly)
{
    const QString program = script(QStringLiteral("player"), "exit 0");
    enqueue(program, QStringLiteral("/m"), {QStringLiteral("a.mp3")}, true, 200);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(link->playerNames().isEmpty());
}

TEST_F(EnqueueTest, PlayerWithoutTrackListEditingGetsTheProgramsEnqueueCommand)
{
    auto player = startPlayer(QStringLiteral("audacious"), false);
    const QString log = temp.filePath(QStringLiteral("arguments.log"));
    const QString program = script(QStringLiteral("audacious"),
        "for a in \"$@\"; do printf '%s|' \"$a\"; done >> '" + log.toUtf8() + "'; echo >> '" + log.toUtf8() + "'");
    const QStringList names = {QStringLiteral("b b.mp3"), QStringLiteral("Ünï.mp3"), QStringLiteral("a.mp3")};

    enqueue(program, QStringLiteral("/m/"), names);

    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("-e|/m/b b.mp3|\n-e|/m/Ünï.mp3|\n-e|/m/a.mp3|\n"));
    EXPECT_TRUE(receivedBeforeBarrier(*player).isEmpty());
}

TEST_F(EnqueueTest, UnknownProgramAndNoTrackListEditingSkipsSilently)
{
    auto player = startPlayer(QStringLiteral("other"), false);
    const QString log = temp.filePath(QStringLiteral("arguments.log"));
    const QString program = script(QStringLiteral("unknownplayer"), "echo \"$@\" >> '" + log.toUtf8() + "'");
    enqueue(program, QStringLiteral("/m"), {QStringLiteral("a.mp3")});
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(EnqueueTest, OfTwoPlayersTheOneRunByTheStoredProgramGetsTheFiles)
{
    // By name, "aaa" comes first; it is run as "bravo", "zzz" as "alpha".
    auto first = startPlayer(QStringLiteral("aaa"), true, playerProgramNamed(QStringLiteral("bravo")));
    auto second = startPlayer(QStringLiteral("zzz"), true, playerProgramNamed(QStringLiteral("alpha")));

    enqueue(QStringLiteral("/opt/players/alpha"), QStringLiteral("/m"), {QStringLiteral("1.mp3"), QStringLiteral("2.mp3")});
    EXPECT_EQ(second->addedUrls(2), (QStringList{QStringLiteral("file:///m/1.mp3"), QStringLiteral("file:///m/2.mp3")}));

    enqueue(QStringLiteral("/opt/players/charlie"), QStringLiteral("/m"), {QStringLiteral("3.mp3")});
    EXPECT_EQ(first->addedUrls(1), QStringList{QStringLiteral("file:///m/3.mp3")});
    EXPECT_EQ(second->addedUrls().size(), 2);
}

struct OrderCase
{
    const char *name;
    const char *suffix;
    const char *modes;
};

class EnqueueOrderTest : public EnqueueTest, public ::testing::WithParamInterface<OrderCase>
{
};

// A list that lags behind the calls is the hard case: the player's own TrackAdded has to
// place each file. Without the signal the list decides; VLC takes its Append path.
TEST_P(EnqueueOrderTest, TwentyFilesArriveAtTheEndInListOrder)
{
    FakePlayer player(QStringLiteral(FAKE_MPRIS_PLAYER), bus.busAddress(), QString::fromLatin1(GetParam().suffix),
                      true, QString::fromLatin1(GetParam().modes));
    ASSERT_TRUE(player.isReady());
    link = std::make_unique<MprisPlayerLink>(bus.connection(), MprisPlayerLink::Timeouts{3000, 3000, 100});
    QStringList names, expected;
    for (int i = 1; i <= 20; ++i) {
        names << QStringLiteral("%1 song.mp3").arg(i, 2, 10, QLatin1Char('0'));
        expected << QStringLiteral("file:///m/%1%20song.mp3").arg(i, 2, 10, QLatin1Char('0'));
    }
    enqueue(QStringLiteral("/usr/bin/player"), QStringLiteral("/m"), names);
    EXPECT_EQ(player.playList(20), expected);
}

INSTANTIATE_TEST_SUITE_P(Players, EnqueueOrderTest,
                         ::testing::Values(OrderCase{"Lagging", "lagger", "lagging"},
                                           OrderCase{"LaggingVlc", "vlc", "lagging,silent"},
                                           OrderCase{"SilentWithAFreshList", "quiet", "silent"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PlayfileFullName, JoinsWithOneSeparator)
{
    const struct { const char *folder, *expected; } rows[] = {
        {"/music", "/music/a.mp3"},
        {"/music/", "/music/a.mp3"},
        {"/", "/a.mp3"},
        {"C:\\", "C:\\a.mp3"},
        {"C:/Music", "C:/Music/a.mp3"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Playfile::fullName(QString::fromUtf8(row.folder), QStringLiteral("a.mp3")),
                  QString::fromUtf8(row.expected)) << row.folder;
}

} // namespace
