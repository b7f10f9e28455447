// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AboutMessages.h"
#include "ChromeSettings.h"
#include "CommentBox.h"
#include "ExchangeTestSupport.h"
#include "HostInfoFile.h"
#include "MarluneServer.h"
#include "MarluneVersion.h"
#include "MenuLabel.h"
#include "PictureBox.h"
#include "ScriptedDialogs.h"
#include "ScriptedServer.h"
#include "TempDir.h"
#include "frmAbout2.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Never reached while a reply is on its way; the time-out rows set short ones.
constexpr int ReplyWaitMs = 3000;
constexpr int ShortWaitMs = 200;
constexpr int SendDelayMs = 50;

ServerOptions serverOffering(const QString &version, const QString &web, const QString &email)
{
    ServerOptions o;
    o.updatePort = 0;
    o.feedbackPort = 0;
    o.offeredVersion = version;
    o.webAddress = web;
    o.emailAddress = email;
    o.nextAddress = "127.0.0.1";
    o.quietMs = 20;
    return o;
}

class AboutWindowTest : public testing::Test
{
protected:
    void TearDown() override
    {
        for (const QPointer<frmAbout2> &window : windows)
            delete window.data();
    }

    ExchangeOptions loopback(quint16 updatePort, quint16 feedbackPort = 1,
                             int updateTimeoutMs = ReplyWaitMs, int answerTimeoutMs = ReplyWaitMs)
    {
        ExchangeOptions o;
        o.updateHost = o.feedbackHost = "127.0.0.1";
        o.updatePort = updatePort;
        o.feedbackPort = feedbackPort;
        o.updateTimeoutMs = updateTimeoutMs;
        o.sendDelayMs = SendDelayMs;
        o.answerTimeoutMs = answerTimeoutMs;
        o.networkCheck = [this] { return network; };
        return o;
    }

    // A window as the main window opens it: created, flagged, shown.
    frmAbout2 *open(const ExchangeOptions &options, bool checkUpdateOnOpen = false)
    {
        auto *window = new frmAbout2({&settings, nullptr, nullptr}, dialogs, dir.path(), options);
        window->setUrlOpener([this](const QUrl &url) { opened << url; });
        window->setCheckUpdateOnOpen(checkUpdateOnOpen);
        windows << window;
        window->show();
        return window;
    }

    static void click(frmAbout2 *window, int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->picButton(index), button);
    }

    // Busy as the user sees it: hourglass, comment box off.
    static bool looksBusy(frmAbout2 *window)
    {
        return window->busy() && window->cursor().shape() == Qt::WaitCursor
            && !window->txtComments()->isEnabled();
    }

    static bool looksIdle(frmAbout2 *window)
    {
        return !window->busy() && window->txtComments()->isEnabled();
    }

    static void serve(MarluneServer &server)
    {
        QString error;
        ASSERT_TRUE(server.listen(error)) << error.toStdString();
    }

    FixedChromeSettings settings;
    ScriptedDialogs dialogs;
    TempDir dir;
    bool network = true;
    QList<QUrl> opened;
    QList<QPointer<frmAbout2>> windows;
};

TEST_F(AboutWindowTest, ShowsTheDesignedWindowWithTheProgramsVersion)
{
    frmAbout2 *window = open(loopback(1));
    EXPECT_EQ(window->size(), QSize(426, 266));
    EXPECT_EQ(window->lblMenu(3)->text(), "About Marlune");
    EXPECT_EQ(window->lblAbout(0)->text(), "Marlune");
    EXPECT_EQ(window->lblAbout(1)->text(), MARLUNE_VERSION);
    for (int i : {0, 1, 3}) {
        const QLabel *label = window->lblAbout(i);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << i;
    }
    EXPECT_TRUE(window->lblAbout(2)->text().startsWith(
        "This file renames .MP3, .MPG, .MPEG, .DOC, .TXT, .MOV, .ASF, .RM, .RAM files to a predefined "
        "format. Please send any comments or bug reports. Thanks."));
    EXPECT_EQ(window->txtAbout(1)->toolTip(), "Double-Click to goto website.");
    for (int i : {0, 1})
        EXPECT_TRUE(window->txtAbout(i)->isReadOnly());
    EXPECT_EQ(window->txtComments()->geometry(), QRect(124, 196, 291, 61));
    EXPECT_EQ(window->Image1()->geometry(), QRect(12, 28, 104, 108));

    struct Button { int plain, lit; QString caption; QPoint at; };
    for (const Button &b : {Button{2, 0, "OK", {20, 156}}, Button{1, 3, "Update", {20, 192}},
                            Button{5, 4, "Comments", {20, 228}}}) {
        EXPECT_EQ(window->lblButton(b.plain)->text(), b.caption);
        EXPECT_EQ(window->lblButton(b.lit)->text(), b.caption);
        EXPECT_EQ(window->picButton(b.plain)->pos(), b.at);
        EXPECT_TRUE(window->picButton(b.plain)->isVisible());
        EXPECT_FALSE(window->picButton(b.lit)->isVisible());
    }
    // Opened through "&About": no check.
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AboutWindowTest, CheckOnOpeningShowsTheVerdictAndTheNewAddresses)
{
    struct Row { QString offered, message; };
    for (const Row &row : {Row{"1.0.90", AboutMessages::newerVersion(MARLUNE_VERSION, "1.0.90")},
                           Row{"1.0.85", AboutMessages::newestVersion()}}) {
        SCOPED_TRACE(row.offered.toStdString());
        dialogs.clear();
        QFile::remove(dir.filePath("hostinfo.ini"));
        MarluneServer server(serverOffering(row.offered, "https://new.example/", "new@example.org"));
        serve(server);
        frmAbout2 *window = open(loopback(server.updatePort()), true);
        EXPECT_FALSE(window->CheckUpdateOnOpen());
        EXPECT_TRUE(looksBusy(window));

        ASSERT_TRUE(waitUntilIdle(*window));
        EXPECT_EQ(dialogs.messageTexts(), QStringList{row.message});
        EXPECT_EQ(window->txtAbout(1)->text(), "https://new.example/");
        EXPECT_EQ(window->txtAbout(0)->text(), "new@example.org");
        EXPECT_TRUE(looksIdle(window));
        EXPECT_TRUE(dir.exists("hostinfo.ini"));
    }
}

TEST_F(AboutWindowTest, NoReplyInTimeEndsInTheTimeOutMessageAndButtonsWaitMeanwhile)
{
    ScriptedServer silent(ScriptedServer::Mode::Silent);
    ScriptedServer feedback(ScriptedServer::Mode::AnswerData, "OK");
    frmAbout2 *window = open(loopback(silent.port(), feedback.port(), ShortWaitMs), true);
    ASSERT_TRUE(looksBusy(window));

    window->txtComments()->setPlainText("hello");
    for (int index : {2, 1, 5})
        click(window, index);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(looksBusy(window));
    // A button does not even light up under the pointer.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), window->picButton(2)->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->picButton(2), &move);
    EXPECT_FALSE(window->picButton(0)->isVisible());

    ASSERT_TRUE(waitUntilIdle(*window));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::updateTimedOut()});
    EXPECT_EQ(feedback.connections(), 0);
    EXPECT_EQ(silent.connections(), 1);
    EXPECT_TRUE(looksIdle(window));
    EXPECT_FALSE(dir.exists("hostinfo.ini"));
}

TEST_F(AboutWindowTest, CommentsAreSentWithTheBoxDisabledAndEnabledAfterEveryOutcome)
{
    struct Row { ScriptedServer::Mode mode; QByteArray answer; QStringList messages; };
    const QList<Row> rows{
        {ScriptedServer::Mode::AnswerData, "OK", {AboutMessages::messageSent()}},
        {ScriptedServer::Mode::AnswerData, "no thanks", {}},
        {ScriptedServer::Mode::Silent, {}, {AboutMessages::messageNotSent()}},
    };
    const QString comment = QStringLiteral("  Gut gemacht,\nMarlune! 日本語  ");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.answer.toStdString());
        dialogs.clear();
        ScriptedServer server(row.mode, row.answer);
        frmAbout2 *window = open(loopback(1, server.port(), ReplyWaitMs, ShortWaitMs));
        window->txtComments()->setPlainText(comment);
        QList<bool> states;
        QObject::connect(window, &frmAbout2::busyChanged, [&](bool busy) {
            states << busy;
            EXPECT_EQ(window->txtComments()->isEnabled(), !busy);
        });
        click(window, 5);
        EXPECT_TRUE(looksBusy(window));
        ASSERT_TRUE(waitUntilIdle(*window));
        EXPECT_EQ(states, (QList<bool>{true, false}));
        EXPECT_EQ(dialogs.messageTexts(), row.messages);
        EXPECT_EQ(server.received(), QStringLiteral("Gut gemacht,\r\nMarlune! 日本語").toUtf8());
        EXPECT_TRUE(looksIdle(window));
        // The comment stays in the box for another try.
        EXPECT_EQ(window->txtComments()->toPlainText(), comment);
    }
}

TEST_F(AboutWindowTest, ACommentReachesTheReferenceServersFile)
{
    ServerOptions options = serverOffering("1.0.85", "w", "e");
    options.commentsFile = dir.filePath("comments.txt");
    MarluneServer server(options);
    serve(server);
    frmAbout2 *window = open(loopback(server.updatePort(), server.feedbackPort()));
    window->txtComments()->setPlainText("Renamed 300 files, works well.");
    click(window, 5);
    ASSERT_TRUE(waitUntilIdle(*window));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::messageSent()});
    EXPECT_TRUE(dir.read("comments.txt").contains("Renamed 300 files, works well."));
}

TEST_F(AboutWindowTest, BlankCommentsAndNoNetworkStartNothing)
{
    ScriptedServer feedback(ScriptedServer::Mode::AnswerData, "OK");
    ScriptedServer update(ScriptedServer::Mode::Send, "1.0.90|w|e|1|2|3|4|5|");
    frmAbout2 *window = open(loopback(update.port(), feedback.port()));
    window->txtComments()->setPlainText("     ");
    click(window, 5);
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    network = false;
    window->txtComments()->setPlainText("hello");
    click(window, 5);
    click(window, 1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList(2, AboutMessages::noNetwork()));
    EXPECT_FALSE(window->busy());
    EXPECT_EQ(feedback.connections() + update.connections(), 0);
}

TEST_F(AboutWindowTest, UpdatePressedDuringAFeedbackExchangeDoesNothing)
{
    ScriptedServer feedback(ScriptedServer::Mode::Silent);
    ScriptedServer update(ScriptedServer::Mode::Send, "1.0.90|w|e|1|2|3|4|5|");
    frmAbout2 *window = open(loopback(update.port(), feedback.port(), ReplyWaitMs, ShortWaitMs));
    window->txtComments()->setPlainText("hello");
    click(window, 5);
    ASSERT_TRUE(window->busy());
    click(window, 1);
    // Nor does a check started from outside.
    window->ConnectNow();
    ASSERT_TRUE(waitUntilIdle(*window));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::messageNotSent()});
    EXPECT_EQ(update.connections(), 0);
}

TEST_F(AboutWindowTest, EachOpeningReloadsHostInfoSoTheNamedServerIsAskedNextTime)
{
    MarluneServer next(serverOffering("1.0.90", "https://next.example/", "next@example.org"));
    serve(next);
    ServerOptions firstOptions = serverOffering("1.0.85", "https://first.example/", "first@example.org");
    firstOptions.nextPort = next.updatePort();
    MarluneServer first(firstOptions);
    serve(first);

    frmAbout2 *window = open(loopback(first.updatePort()), true);
    ASSERT_TRUE(waitUntilIdle(*window));
    // A second check in the same window still asks the server it opened with.
    click(window, 1);
    ASSERT_TRUE(waitUntilIdle(*window));
    EXPECT_EQ(dialogs.messageTexts(), QStringList(2, AboutMessages::newestVersion()));
    click(window, 2);
    EXPECT_FALSE(window->isVisible());

    dialogs.clear();
    frmAbout2 *again = open(loopback(first.updatePort()));
    EXPECT_EQ(again->txtAbout(1)->text(), "https://first.example/");
    EXPECT_EQ(again->txtAbout(0)->text(), "first@example.org");
    click(again, 1);
    ASSERT_TRUE(waitUntilIdle(*again));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{AboutMessages::newerVersion(MARLUNE_VERSION, "1.0.90")});
    EXPECT_EQ(again->txtAbout(1)->text(), "https://next.example/");
}

TEST_F(AboutWindowTest, ADamagedHostInfoIsReportedAndTheWindowOpensAllTheSame)
{
    dir.write("hostinfo.ini", "\"https://evil.example/\"\r\n\"x\"\r\n\"300\"\r\n");
    frmAbout2 *window = open(loopback(1));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts().at(0).startsWith("There was an error:\r\n"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(window->txtAbout(1)->text(), "https://evil.example/");

    // A name that differs only in letter case is not the file.
    dialogs.clear();
    QFile::remove(dir.filePath("hostinfo.ini"));
    HostInfo info{"", "https://other.example/", "o@example.org", "127", "0", "0", "1", "1001"};
    ASSERT_TRUE(HostInfoFile::write(dir.filePath("HostInfo.ini"), info).ok());
    frmAbout2 *other = open(loopback(1));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_NE(other->txtAbout(1)->text(), "https://other.example/");
}

TEST_F(AboutWindowTest, OkUnloadsTheWindowAndEndsTheModalDisplay)
{
    for (bool throughLitMember : {false, true}) {
        ChromeWindow main({&settings, nullptr, nullptr});
        main.setInnerSize(7275, 4875);
        main.show();
        auto *about = new frmAbout2({&settings, nullptr, nullptr}, dialogs, dir.path(), loopback(1));
        QPointer<frmAbout2> guard(about);
        QSignalSpy destroyed(about, &QObject::destroyed);
        QTimer::singleShot(0, about, [about, throughLitMember] {
            if (throughLitMember) {
                QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(about->picButton(2), &move);
            }
            click(about, throughLitMember ? 0 : 2);
        });
        main.ShowChild(about, true);
        ASSERT_TRUE(destroyed.count() == 1 || destroyed.wait(5000));
        EXPECT_TRUE(guard.isNull());
    }
}

TEST_F(AboutWindowTest, RightButtonClicksRunNoCommand)
{
    ScriptedServer feedback(ScriptedServer::Mode::AnswerData, "OK");
    frmAbout2 *window = open(loopback(ScriptedServer::closedPort(), feedback.port()));
    window->txtComments()->setPlainText("hello");
    for (int index : {2, 1, 5})
        click(window, index, Qt::RightButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->busy());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AboutWindowTest, DoubleClickOpensOnlyWebAddresses)
{
    struct Row { int box; QString text; bool opens; };
    const QList<Row> rows{
        {1, "http://www.example.org/", true},
        {1, " https://example.org/get?v=1.0.90 ", true},
        {1, "file:///etc/passwd", false},
        {1, "javascript:alert(1)", false},
        {1, "www.example.org", false},
        {0, "http://www.example.org/", false},
    };
    frmAbout2 *window = open(loopback(1));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        opened.clear();
        window->txtAbout(row.box)->setText(row.text);
        QTest::mouseDClick(window->txtAbout(row.box), Qt::LeftButton);
        QTest::mouseDClick(window->txtAbout(row.box), Qt::RightButton);
        ASSERT_EQ(opened.size(), row.opens ? 1 : 0);
        if (row.opens) {
            EXPECT_EQ(opened.at(0), QUrl(row.text.trimmed()));
        }
    }
}

TEST_F(AboutWindowTest, AWebAddressFromTheNetworkIsNotOpenedUnlessItIsHttp)
{
    MarluneServer server(serverOffering("1.0.85", "file:///etc/passwd", "e@example.org"));
    serve(server);
    frmAbout2 *window = open(loopback(server.updatePort()), true);
    ASSERT_TRUE(waitUntilIdle(*window));
    ASSERT_EQ(window->txtAbout(1)->text(), "file:///etc/passwd");
    QTest::mouseDClick(window->txtAbout(1), Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
