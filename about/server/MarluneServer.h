// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CommentLog.h"
#include "CommentQuota.h"
#include "ConnectionLimit.h"
#include "RefusalLog.h"
#include "ServerOptions.h"

#include <QObject>
#include <QTcpServer>

class FeedbackConnection;
class QTcpSocket;

// The reference update and feedback server. On the update port it sends every
// client the reply built from its options and closes; on the feedback port it
// appends each comment to the comment file and answers "ok", or "error" when
// the sender is over its hourly quota, the file is at its size cap or could not
// be written. Each port has its own connection limits, so a flood on one never
// keeps clients of the other waiting; refusals are logged on stderr, rate-limited.
class MarluneServer : public QObject
{
    Q_OBJECT

public:
    explicit MarluneServer(ServerOptions options, QObject *parent = nullptr);

    // Opens both ports; the error names the one that failed.
    bool listen(QString &error);
    quint16 updatePort() const { return m_update.serverPort(); }
    quint16 feedbackPort() const { return m_feedback.serverPort(); }

    // version|web|email|a|b|c|d|port|
    QByteArray reply() const;

Q_SIGNALS:
    void commentStored(const QByteArray &comment);

private:
    void serveUpdate();
    void takeFeedback();
    void store(FeedbackConnection *connection, const QByteArray &comment);
    QByteArray storeReply(const QHostAddress &sender, const QByteArray &comment);
    QTcpSocket *nextClient(QTcpServer &server, ConnectionLimit &limit, const QString &port);
    void armDeadline(QTcpSocket *socket);

    static constexpr int listenBacklog = 1024;

    ServerOptions m_options;
    CommentLog m_log;
    CommentQuota m_quota;
    RefusalLog m_refusals;
    bool m_fileFull = false;
    // Declared before the servers: sockets they still own release their slot as they go.
    ConnectionLimit m_updateLimit;
    ConnectionLimit m_feedbackLimit;
    QTcpServer m_update;
    QTcpServer m_feedback;
};
