// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AboutMessages.h"
#include "ExchangeTestSupport.h"
#include "HostInfoFile.h"
#include "MarluneServer.h"
#include "ScriptedDialogs.h"
#include "ScriptedServer.h"
#include "TempDir.h"
#include "UpdateExchange.h"

#include <gtest/gtest.h>

namespace {

// Long enough never to fire while a reply is on its way, short enough for the
// time-out tests to take a moment.
constexpr int ReplyWaitMs = 3000;
constexpr int TimeoutMs = 200;

class UpdateExchangeTest : public testing::Test
{
protected:
    std::unique_ptr<UpdateExchange> exchange(const QString &folder, quint16 port, int timeoutMs = ReplyWaitMs)
    {
        auto e = std::make_unique<UpdateExchange>(dialogs, folder);
        e->setRemoteHost("127.0.0.1");
        e->setRemotePort(port);
        e->setTimeout(timeoutMs);
        e->setNetworkCheck([] { return true; });
        e->setOwnVersion("1.0.85");
        return e;
    }

    // Runs one check and gives the busy states it went through.
    QList<bool> check(UpdateExchange &e)
    {
        QList<bool> states;
        QObject::connect(&e, &UpdateExchange::busyChanged, [&states](bool b) { states << b; });
        e.ConnectNow();
        EXPECT_TRUE(waitUntilIdle(e));
        return states;
    }

    ScriptedDialogs dialogs;
    TempDir dir;
};

ServerOptions serverOffering(const QString &version)
{
    ServerOptions o;
    o.updatePort = 0;
    o.feedbackPort = 0;
    o.offeredVersion = version;
    o.webAddress = "https://new.example/";
    o.emailAddress = "new@example.org";
    o.nextAddress = "10.1.2.3";
    o.nextPort = 4321;
    return o;
}

TEST_F(UpdateExchangeTest, ShowsTheVerdictStoresTheServerAndUsesItAtTheNextOpening)
{
    struct Row { QString offered, message; };
    const QList<Row> rows{
        {"1.0.90", AboutMessages::newerVersion("1.0.85", "1.0.90")},
        {"1.0.9", AboutMessages::newerVersion("1.0.85", "1.0.9")},
        {"1.0.85", AboutMessages::newestVersion()},
        {"2.0.1", AboutMessages::newestVersion()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.offered.toStdString());
        dialogs.clear();
        TempDir folder;
        MarluneServer server(serverOffering(row.offered));
        QString error;
        ASSERT_TRUE(server.listen(error)) << error.toStdString();
        auto e = exchange(folder.path(), server.updatePort());
        QStringList shown;
        QObject::connect(e.get(), &UpdateExchange::addressesChanged,
                         [&shown](const QString &web, const QString &mail) { shown << web << mail; });

        EXPECT_EQ(check(*e), (QList<bool>{true, false}));
        EXPECT_EQ(dialogs.messageTexts(), QStringList{row.message});
        EXPECT_EQ(dialogs.messages().value(0).icon, Dialogs::Icon::None);
        EXPECT_EQ(dialogs.messages().value(0).caption, applicationTitle());
        EXPECT_EQ(shown, (QStringList{"https://new.example/", "new@example.org"}));
        EXPECT_EQ(folder.read("hostinfo.ini"),
                  QByteArray("\"https://new.example/\"\r\n\"new@example.org\"\r\n\"27\"\r\n\"18\"\r\n"
                             "\"19\"\r\n\"20\"\r\n\"4338\"\r\n"));
        // The same window keeps asking the server it was opened with.
        EXPECT_EQ(e->remoteHost(), "127.0.0.1");

        auto next = exchange(folder.path(), 1001);
        shown.clear();
        QObject::connect(next.get(), &UpdateExchange::addressesChanged,
                         [&shown](const QString &web, const QString &mail) { shown << web << mail; });
        next->LoadHostInfo();
        EXPECT_EQ(next->remoteHost(), "10.1.2.3");
        EXPECT_EQ(next->remotePort(), 4321);
        EXPECT_EQ(shown, (QStringList{"https://new.example/", "new@example.org"}));
    }
}

TEST_F(UpdateExchangeTest, WithoutANetworkSaysSoAndConnectsNowhere)
{
    ScriptedServer server(ScriptedServer::Mode::Send, "1.0.90|w|e|1|2|3|4|5|");
    auto e = exchange(dir.path(), server.port());
    e->setNetworkCheck([] { return false; });
    e->ConnectNow();
    EXPECT_FALSE(e->busy());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::noNetwork()});
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(UpdateExchangeTest, NoReplyInTimeEndsInTheTimeOutMessage)
{
    ScriptedServer silent(ScriptedServer::Mode::Silent);
    ScriptedServer closing(ScriptedServer::Mode::CloseAtOnce);
    for (quint16 port : {silent.port(), closing.port(), ScriptedServer::closedPort()}) {
        dialogs.clear();
        auto e = exchange(dir.path(), port, TimeoutMs);
        EXPECT_EQ(check(*e), (QList<bool>{true, false}));
        EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::updateTimedOut()});
    }
    EXPECT_EQ(silent.connections(), 1);
    EXPECT_FALSE(dir.exists("hostinfo.ini"));
}

TEST_F(UpdateExchangeTest, OnlyTheFirstArrivalCounts)
{
    ScriptedServer server(ScriptedServer::Mode::SendInTwoPieces, "1.0.90|web|", "mail|10|0|0|1|1001|");
    auto e = exchange(dir.path(), server.port());
    check(*e);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::newerVersion("1.0.85", "1.0.90")});
    // Without the address fields the reply names no server: nothing is kept.
    EXPECT_FALSE(dir.exists("hostinfo.ini"));
    EXPECT_EQ(e->hostInfo()[1], QString());
}

TEST_F(UpdateExchangeTest, AShortReplyKeepsTheStoredServer)
{
    HostInfo stored{"", "w", "e", "127", "0", "0", "1", "1001"};
    ASSERT_TRUE(HostInfoFile::write(dir.filePath("hostinfo.ini"), stored).ok());
    ScriptedServer server(ScriptedServer::Mode::Send, "1.0.90|web|mail|");
    auto e = exchange(dir.path(), server.port());
    e->LoadHostInfo();
    e->setRemotePort(server.port());
    check(*e);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::newerVersion("1.0.85", "1.0.90")});
    stored = {"1.0.90", "web", "mail", "127", "0", "0", "1", "1001"};
    EXPECT_EQ(e->hostInfo(), stored);
    EXPECT_EQ(HostInfoFile::read(dir.filePath("hostinfo.ini")).hostInfo[1], "web");
}

TEST_F(UpdateExchangeTest, HostileRepliesGiveAVerdictAndStoreNothing)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char(i % 256);
    struct Row { const char *name; ScriptedServer::Mode mode; QByteArray payload; QString message; };
    const QList<Row> rows{
        {"megabytes", ScriptedServer::Mode::Send, "1.0.90|w|e|1|2|3|4|" + QByteArray(8 << 20, '9'),
         AboutMessages::newerVersion("1.0.85", "1.0.90")},
        {"endless", ScriptedServer::Mode::Endless, "1.0.85|w|e|", AboutMessages::newestVersion()},
        {"binary", ScriptedServer::Mode::Send, binary, AboutMessages::newestVersion()},
        {"port out of range", ScriptedServer::Mode::Send, "1.0.90|w|e|1|2|3|4|70000|",
         AboutMessages::newerVersion("1.0.85", "1.0.90")},
        {"address byte out of range", ScriptedServer::Mode::Send, "1.0.90|w|e|1|2|300|4|5|",
         AboutMessages::newerVersion("1.0.85", "1.0.90")},
        {"not numbers", ScriptedServer::Mode::Send, "1.0.90|w|e|a|b|c|d|e|",
         AboutMessages::newerVersion("1.0.85", "1.0.90")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.clear();
        ScriptedServer server(row.mode, row.payload);
        auto e = exchange(dir.path(), server.port());
        bool addressesShown = false;
        QObject::connect(e.get(), &UpdateExchange::addressesChanged, [&] { addressesShown = true; });
        check(*e);
        EXPECT_EQ(dialogs.messageTexts(), QStringList{row.message});
        EXPECT_FALSE(addressesShown);
        EXPECT_FALSE(dir.exists("hostinfo.ini"));
    }
}

TEST_F(UpdateExchangeTest, AFailedSaveIsReportedAndTheVerdictStillShown)
{
    ScriptedServer server(ScriptedServer::Mode::Send, "1.0.85|w|e|1|2|3|4|5|");
    // The settings folder is made on demand; a file in its way stops that.
    dir.write("in the way");
    auto e = exchange(dir.filePath("in the way/marlune"), server.port());
    check(*e);
    ASSERT_EQ(dialogs.messageTexts().size(), 2);
    EXPECT_TRUE(dialogs.messageTexts()[0].startsWith("There was an error:\r\n"));
    EXPECT_EQ(dialogs.messageTexts()[1], AboutMessages::newestVersion());
}

TEST_F(UpdateExchangeTest, LoadingADamagedOrMisnamedFileChangesNothing)
{
    dir.write("hostinfo.ini", "\"w\"\r\n\"e\"\r\n\"27\"\r\n");
    auto e = exchange(dir.path(), 1001);
    e->setRemoteHost("update.example");
    bool addressesShown = false;
    QObject::connect(e.get(), &UpdateExchange::addressesChanged, [&] { addressesShown = true; });
    e->LoadHostInfo();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"There was an error:\r\n62 Input past end of file"});
    EXPECT_EQ(e->remoteHost(), "update.example");
    EXPECT_EQ(e->remotePort(), 1001);

    dialogs.clear();
    TempDir other;
    HostInfoFile::write(other.filePath("HOSTINFO.INI"), {"", "w", "e", "1", "2", "3", "4", "5"});
    auto misnamed = exchange(other.path(), 1001);
    misnamed->LoadHostInfo();
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(misnamed->remoteHost(), "127.0.0.1");
    EXPECT_FALSE(addressesShown);
}

TEST_F(UpdateExchangeTest, ASecondConnectNowWhileWaitingIsIgnored)
{
    ScriptedServer silent(ScriptedServer::Mode::Silent);
    auto e = exchange(dir.path(), silent.port(), TimeoutMs);
    e->ConnectNow();
    e->ConnectNow();
    EXPECT_TRUE(waitUntilIdle(*e));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::updateTimedOut()});
}

} // namespace
