// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ServerOptions.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// One client on the feedback port. The protocol has no terminator: a comment is
// complete when the client pauses, or once it has sent maxCommentBytes (the rest
// is read and dropped; the cut never splits a character). A client that sends
// nothing for idleMs, or is still connected deadlineMs after it was accepted, is
// dropped; a comment not complete by then is not kept. The object deletes itself
// when the connection ends.
class FeedbackConnection : public QObject
{
    Q_OBJECT

public:
    FeedbackConnection(QTcpSocket *socket, const ServerOptions &options, QObject *parent);

    // The server's answer to a complete comment: written, then the connection closes.
    void answer(const QByteArray &text);
    QHostAddress peerAddress() const { return m_peer; }

Q_SIGNALS:
    void commentComplete(FeedbackConnection *connection, const QByteArray &comment);
    void deadlineReached(FeedbackConnection *connection);

private:
    void readMore();
    void complete();
    void ended();
    void drop();
    void expire();

    QTcpSocket *m_socket;
    QHostAddress m_peer;
    QByteArray m_comment;
    int m_maxBytes;
    bool m_completed = false;
    bool m_dropped = false;
    QTimer m_idle;
    QTimer m_quiet;
    QTimer m_deadline;
};
