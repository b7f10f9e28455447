// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FeedbackExchange.h"

#include "AboutMessages.h"
#include "Dialogs.h"
#include "UpdateServer.h"

namespace {

QString trimSpaces(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

} // namespace

FeedbackExchange::FeedbackExchange(Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_remoteHost(UpdateServer::defaultHost())
    , m_remotePort(UpdateServer::FeedbackPort)
    , m_networkCheck(hasNetwork)
    , tcpClient2(this)
    , Timer2(this)
    , Timer3(this)
{
    Timer2.setInterval(UpdateServer::SendDelayMs);
    Timer2.setSingleShot(true);
    Timer3.setInterval(UpdateServer::AnswerTimeoutMs);
    Timer3.setSingleShot(true);
    tcpClient2.setReadBufferSize(UpdateServer::MaxReplyBytes);
    connect(&tcpClient2, &QTcpSocket::readyRead, this, &FeedbackExchange::tcpClient2_DataArrival);
    connect(&Timer2, &QTimer::timeout, this, &FeedbackExchange::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &FeedbackExchange::Timer3_Timer);
}

QByteArray FeedbackExchange::commentBytes(const QString &comments)
{
    QString text = trimSpaces(comments);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text.toUtf8();
}

void FeedbackExchange::SendComments(const QString &comments)
{
    if (m_busy)
        return;
    if (!m_networkCheck()) {
        m_dialogs.showMessage(AboutMessages::noNetwork(), Dialogs::Icon::None, applicationTitle());
        return;
    }
    m_comment = commentBytes(comments);
    if (m_comment.isEmpty())
        return;
    setBusy(true);
    tcpClient2.abort();
    tcpClient2.connectToHost(m_remoteHost, m_remotePort);
    Timer2.start();
}

void FeedbackExchange::Timer2_Timer()
{
    if (tcpClient2.state() != QAbstractSocket::ConnectedState) {
        fail();
        return;
    }
    tcpClient2.write(m_comment);
    Timer3.start();
}

void FeedbackExchange::Timer3_Timer()
{
    fail();
}

void FeedbackExchange::tcpClient2_DataArrival()
{
    // Anything the server says before it has the comment is no acknowledgement
    // of it: drop it and keep waiting for the send.
    if (!Timer3.isActive()) {
        tcpClient2.readAll();
        return;
    }
    const QByteArray answer = tcpClient2.read(UpdateServer::MaxReplyBytes);
    tcpClient2.abort();
    Timer3.stop();
    if (answer.left(2).toLower() == "ok")
        m_dialogs.showMessage(AboutMessages::messageSent(), Dialogs::Icon::None, applicationTitle());
    setBusy(false);
}

void FeedbackExchange::fail()
{
    // Closed before the message box, whose event loop would otherwise deliver
    // a late answer into an exchange that has already failed.
    Timer2.stop();
    Timer3.stop();
    tcpClient2.abort();
    m_dialogs.showMessage(AboutMessages::messageNotSent(), Dialogs::Icon::None, applicationTitle());
    setBusy(false);
}

void FeedbackExchange::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged(busy);
}
