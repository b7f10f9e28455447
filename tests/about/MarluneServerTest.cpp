// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AboutMessages.h"
#include "ExchangeTestSupport.h"
#include "FeedbackExchange.h"
#include "HostInfoFile.h"
#include "ScriptedDialogs.h"
#include "ServerOptions.h"
#include "ServerProcess.h"
#include "TempDir.h"
#include "UpdateExchange.h"

#include <QProcess>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A raw client: connects, sends data, gives back what the server answered
// before it closed the connection.
QByteArray exchangeRaw(quint16 port, const QByteArray &data)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "not connected";
    socket.write(data);
    QByteArray answer;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { answer += socket.readAll(); });
    waitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, &socket,
            SIGNAL(stateChanged(QAbstractSocket::SocketState)));
    return answer + socket.readAll();
}

class MarluneServerEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        server = std::make_unique<ServerProcess>(QStringList{
            "--offer-version", "1.0.90", "--web", "https://marlune.example/", "--email", "author@marlune.example",
            "--comments", dir.filePath("comments.txt"), "--quiet-ms", "50", "--idle-ms", "300",
            "--max-comment", "4096"});
        ASSERT_TRUE(server->running()) << server->process.readAllStandardError().toStdString();
    }

    QStringList commentLines() const
    {
        return QString::fromUtf8(dir.read("comments.txt")).split('\n', Qt::SkipEmptyParts);
    }

    TempDir dir;
    std::unique_ptr<ServerProcess> server;
};

TEST_F(MarluneServerEndToEnd, AnswersAnUpdateCheckAndTakesAComment)
{
    ScriptedDialogs dialogs;
    TempDir program;
    UpdateExchange update(dialogs, program.path());
    update.setRemoteHost("127.0.0.1");
    update.setRemotePort(server->updatePort);
    update.setNetworkCheck([] { return true; });
    update.setOwnVersion("1.0.85");
    update.ConnectNow();
    ASSERT_TRUE(waitUntilIdle(update));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::newerVersion("1.0.85", "1.0.90")});
    const HostInfoFile::ReadResult stored = HostInfoFile::read(program.filePath("hostinfo.ini"));
    EXPECT_EQ(stored.hostInfo, (HostInfo{"", "https://marlune.example/", "author@marlune.example", "127", "0",
                                         "0", "1", QString::number(server->updatePort)}));

    dialogs.clear();
    FeedbackExchange feedback(dialogs);
    feedback.setRemoteHost("127.0.0.1");
    feedback.setRemotePort(server->feedbackPort);
    feedback.setSendDelay(200);
    feedback.setAnswerTimeout(3000);
    feedback.setNetworkCheck([] { return true; });
    feedback.SendComments(QStringLiteral("Thanks!\nZoë"));
    ASSERT_TRUE(waitUntilIdle(feedback));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::messageSent()});
    const QStringList lines = commentLines();
    ASSERT_EQ(lines.size(), 1);
    const QStringList parts = lines[0].split('\t');
    ASSERT_EQ(parts.size(), 3);
    EXPECT_TRUE(QDateTime::fromString(parts[0], Qt::ISODate).isValid()) << parts[0].toStdString();
    EXPECT_EQ(parts[1], "127.0.0.1");
    EXPECT_EQ(parts[2], QStringLiteral("Thanks!\\r\\nZoë"));
}

TEST_F(MarluneServerEndToEnd, SurvivesHostileClients)
{
    QByteArray binary;
    for (int i = 0; i < 2000; ++i)
        binary += char((i * 7) % 256);
    // Megabytes: cut to 4 KiB, acknowledged, and the connection closed.
    EXPECT_EQ(exchangeRaw(server->feedbackPort, QByteArray(3 << 20, 'a')), QByteArray("ok"));
    EXPECT_EQ(exchangeRaw(server->feedbackPort, binary), QByteArray("ok"));
    // Sending nothing: dropped after the idle time, without an answer.
    EXPECT_EQ(exchangeRaw(server->feedbackPort, {}), QByteArray());
    // The update port ignores what a client sends and answers all the same.
    EXPECT_EQ(exchangeRaw(server->updatePort, binary),
              "1.0.90|https://marlune.example/|author@marlune.example|127|0|0|1|"
                  + QByteArray::number(server->updatePort) + "|");

    const QStringList lines = commentLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].split('\t').value(2), QString(4096, 'a'));
    EXPECT_FALSE(lines[1].contains(QChar(0)));
    EXPECT_TRUE(lines[1].contains("\\x00"));
    EXPECT_EQ(server->process.state(), QProcess::Running);
}

struct CommentLimitRow
{
    const char *what;
    QStringList options;
    QList<QByteArray> comments;
    QList<QByteArray> answers;
    const char *logged;
};

class MarluneServerCommentLimits : public testing::TestWithParam<CommentLimitRow>
{
};

TEST_P(MarluneServerCommentLimits, AnswersErrorBeyondTheLimitAndLogsIt)
{
    const CommentLimitRow &row = GetParam();
    TempDir dir;
    ServerProcess server(QStringList{"--comments", dir.filePath("c.txt"), "--quiet-ms", "50"} + row.options);
    ASSERT_TRUE(server.running());
    QList<QByteArray> answers;
    for (const QByteArray &comment : row.comments)
        answers << exchangeRaw(server.feedbackPort, comment);
    EXPECT_EQ(answers, row.answers);
    QByteArray log;
    waitFor([&] { return (log += server.process.readAllStandardError()).contains(row.logged); }, &server.process,
            SIGNAL(readyReadStandardError()), 5000);
    EXPECT_EQ(log.count(row.logged), 1) << log.toStdString();
    const qint64 cap = row.options.value(row.options.indexOf("--max-comments-file") + 1).toLongLong();
    if (cap > 0) {
        EXPECT_LE(dir.read("c.txt").size(), cap);
    }
}

// A line holds a 20-character time, the sender, two tabs, the text and its end:
// 32 bytes and the text from 127.0.0.1.
INSTANTIATE_TEST_SUITE_P(
    Rows, MarluneServerCommentLimits,
    testing::Values(CommentLimitRow{"quota", {"--comments-per-hour", "2"}, {"a", "b", "c", "d"},
                                    {"ok", "ok", "error", "error"}, "refused: sender over its comments per hour"},
                    CommentLimitRow{"file", {"--max-comments-file", "120"},
                                    {QByteArray(50, 'a'), QByteArray(50, 'b'), QByteArray(50, 'c'), "d"},
                                    {"ok", "error", "error", "ok"}, "refused: comments file at its size cap"}),
    [](const auto &info) { return std::string(info.param.what); });

TEST(MarluneServerLimits, DropsATricklingSenderAtTheDeadlineWithoutKeepingIt)
{
    TempDir dir;
    ServerProcess server({"--comments", dir.filePath("c.txt"), "--deadline-ms", "300", "--quiet-ms", "1000"});
    ASSERT_TRUE(server.running());
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.feedbackPort);
    ASSERT_TRUE(socket.waitForConnected(5000));
    QTimer trickle;
    QObject::connect(&trickle, &QTimer::timeout, [&] { socket.write("x"); });
    trickle.start(20);
    EXPECT_TRUE(waitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, &socket,
                        SIGNAL(stateChanged(QAbstractSocket::SocketState)), 5000));
    EXPECT_TRUE(socket.readAll().isEmpty());
    EXPECT_FALSE(dir.exists("c.txt") && !dir.read("c.txt").isEmpty());
}

TEST(MarluneServerLimits, RefusesASendersConnectionBeyondItsCapOnThatPortOnly)
{
    TempDir dir;
    ServerProcess server({"--comments", dir.filePath("c.txt"), "--max-per-address", "2", "--quiet-ms", "50"});
    ASSERT_TRUE(server.running());
    QTcpSocket held[2];
    for (QTcpSocket &s : held) {
        s.connectToHost(QHostAddress::LocalHost, server.feedbackPort);
        ASSERT_TRUE(s.waitForConnected(5000));
    }
    EXPECT_EQ(exchangeRaw(server.feedbackPort, "third"), QByteArray());
    EXPECT_TRUE(exchangeRaw(server.updatePort, {}).endsWith('|'));
    held[0].abort();
    // The freed slot is taken again once the server has seen the close.
    QTimer retry;
    retry.start(20);
    QByteArray answer;
    waitFor([&] { return (answer = exchangeRaw(server.feedbackPort, "fourth")) == "ok"; }, &retry,
            SIGNAL(timeout()), 3000);
    EXPECT_EQ(answer, "ok");
}

TEST(MarluneServerCommandLine, HelpAndRefusals)
{
    QProcess help;
    help.start(MARLUNE_SERVER_BINARY, {"--help"});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("--offer-version"));

    for (const QStringList &bad : {QStringList{"--web", "a|b"}, QStringList{"--update-port", "70000"},
                                   QStringList{"--listen", "0.0.0.0"}, QStringList{"--next-address", "host"},
                                   QStringList{"--max-per-address", "0"},
                                   QStringList{"--max-comments-file", "lots"}, QStringList{"--nonsense"}}) {
        QProcess p;
        p.start(MARLUNE_SERVER_BINARY, bad);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(p.readAllStandardError().isEmpty());
    }
}

TEST(ServerOptions, DefaultsHandOutTheListenAddress)
{
    const ParsedServerOptions parsed = parseServerOptions({"marlune-server", "--listen", "192.168.1.5"});
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.nextAddress, "192.168.1.5");
    EXPECT_EQ(parsed.options.updatePort, 1001);
    EXPECT_EQ(parsed.options.feedbackPort, 1002);
    EXPECT_TRUE(parseServerOptions({"marlune-server", "--listen", "0.0.0.0", "--next-address", "10.0.0.1"})
                    .error.isEmpty());
}

} // namespace
