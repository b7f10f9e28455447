// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AboutMessages.h"
#include "ExchangeTestSupport.h"
#include "FeedbackExchange.h"
#include "MarluneServer.h"
#include "ScriptedDialogs.h"
#include "ScriptedServer.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

constexpr int SendDelayMs = 150;
constexpr int AnswerWaitMs = 3000;
constexpr int ShortAnswerWaitMs = 200;

class FeedbackExchangeTest : public testing::Test
{
protected:
    std::unique_ptr<FeedbackExchange> exchange(quint16 port, int answerWaitMs = AnswerWaitMs)
    {
        auto e = std::make_unique<FeedbackExchange>(dialogs);
        e->setRemoteHost("127.0.0.1");
        e->setRemotePort(port);
        e->setSendDelay(SendDelayMs);
        e->setAnswerTimeout(answerWaitMs);
        e->setNetworkCheck([] { return true; });
        return e;
    }

    QList<bool> send(FeedbackExchange &e, const QString &text)
    {
        QList<bool> states;
        QObject::connect(&e, &FeedbackExchange::busyChanged, [&states](bool b) { states << b; });
        e.SendComments(text);
        EXPECT_TRUE(waitUntilIdle(e));
        return states;
    }

    ScriptedDialogs dialogs;
};

TEST(FeedbackComment, TrimsOnlySpacesAndSendsLineBreaksAsCrLfInUtf8)
{
    EXPECT_EQ(FeedbackExchange::commentBytes("  Nice program  "), QByteArray("Nice program"));
    EXPECT_EQ(FeedbackExchange::commentBytes("a\nb\r\nc\rd"), QByteArray("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(FeedbackExchange::commentBytes(" \n x \n "), QByteArray("\r\n x \r\n"));
    EXPECT_EQ(FeedbackExchange::commentBytes(QStringLiteral("Ünïcode 日本語 ✓")),
              QStringLiteral("Ünïcode 日本語 ✓").toUtf8());
    EXPECT_TRUE(FeedbackExchange::commentBytes("      ").isEmpty());
    EXPECT_TRUE(FeedbackExchange::commentBytes("").isEmpty());
}

TEST_F(FeedbackExchangeTest, AnAnswerBeginningOkInAnyCaseIsAnAcknowledgement)
{
    struct Row { QByteArray answer; QStringList messages; };
    const QList<Row> rows{
        {"OK", {AboutMessages::messageSent()}},
        {"ok thanks", {AboutMessages::messageSent()}},
        {"oK", {AboutMessages::messageSent()}},
        {"no", {}},
        {"o", {}},
        {QByteArray("\x00\xff", 2), {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.answer.toStdString());
        dialogs.clear();
        ScriptedServer server(ScriptedServer::Mode::AnswerData, row.answer);
        auto e = exchange(server.port());
        EXPECT_EQ(send(*e, "  Great tool  "), (QList<bool>{true, false}));
        EXPECT_EQ(dialogs.messageTexts(), row.messages);
        EXPECT_EQ(server.received(), QByteArray("Great tool"));
    }
}

TEST_F(FeedbackExchangeTest, TheCommentLeavesOnlyAfterTheFixedWait)
{
    ScriptedServer server(ScriptedServer::Mode::AnswerData, "ok");
    auto e = exchange(server.port());
    send(*e, "hello");
    // Measured from the server's side of the connection, so allow some slack;
    // sent at once it would be a millisecond.
    EXPECT_GE(server.firstDataAfterMs(), SendDelayMs / 2);
}

TEST_F(FeedbackExchangeTest, WhatTheServerSaysBeforeTheCommentIsNoAcknowledgement)
{
    ScriptedServer server(ScriptedServer::Mode::GreetThenAnswer, "nope", "ok, go ahead");
    auto e = exchange(server.port());
    send(*e, "hello");
    EXPECT_EQ(server.received(), QByteArray("hello"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FeedbackExchangeTest, EveryFailureSaysMessageNotSent)
{
    ScriptedServer silent(ScriptedServer::Mode::Silent);
    ScriptedServer closing(ScriptedServer::Mode::CloseAtOnce);
    for (quint16 port : {silent.port(), closing.port(), ScriptedServer::closedPort()}) {
        dialogs.clear();
        auto e = exchange(port, ShortAnswerWaitMs);
        EXPECT_EQ(send(*e, "hello"), (QList<bool>{true, false}));
        EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::messageNotSent()});
    }
    EXPECT_EQ(silent.received(), QByteArray("hello"));
}

TEST_F(FeedbackExchangeTest, AnEndlessAnswerEndsTheExchange)
{
    ScriptedServer server(ScriptedServer::Mode::Endless, "");
    auto e = exchange(server.port());
    send(*e, "hello");
    // The stream started before the comment went, so its first bytes were dropped as a greeting;
    // what follows is no acknowledgement either.
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FeedbackExchangeTest, BlankTextOrNoNetworkSendsNothing)
{
    ScriptedServer server(ScriptedServer::Mode::AnswerData, "ok");
    auto e = exchange(server.port());
    QSignalSpy busy(e.get(), &FeedbackExchange::busyChanged);
    e->SendComments("     ");
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    e->setNetworkCheck([] { return false; });
    e->SendComments("hello");
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::noNetwork()});
    EXPECT_EQ(busy.count(), 0);
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(FeedbackExchangeTest, TheReferenceServerStoresALongCommentWhole)
{
    TempDir dir;
    ServerOptions options;
    options.updatePort = 0;
    options.feedbackPort = 0;
    options.nextAddress = "127.0.0.1";
    options.commentsFile = dir.filePath("comments.txt");
    options.quietMs = 50;
    MarluneServer server(options);
    QString error;
    ASSERT_TRUE(server.listen(error));
    QSignalSpy stored(&server, &MarluneServer::commentStored);

    QString comment;
    while (comment.size() < 180)
        comment += QStringLiteral("Zoë 日本\n");
    comment = comment.left(190);
    auto e = exchange(server.feedbackPort());
    send(*e, comment);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::messageSent()});
    ASSERT_EQ(stored.count(), 1);
    EXPECT_EQ(stored[0][0].toByteArray(), FeedbackExchange::commentBytes(comment));
    EXPECT_TRUE(QString::fromUtf8(dir.read("comments.txt")).contains(QStringLiteral("Zoë 日本\\r\\nZoë")));
}

} // namespace
