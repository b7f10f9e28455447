#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// One client on the feedback port. The protocol has no terminator: a comment is
// complete when the client pauses, or once it has sent maxBytes (the rest is
// read and dropped). A client that sends nothing for idleMs is dropped. The
// object deletes itself when the connection ends.
class FeedbackConnection : public QObject
{
    Q_OBJECT

public:
    FeedbackConnection(QTcpSocket *socket, int maxBytes, int idleMs, int quietMs, QObject *parent);

    // The server's answer to a complete comment: written, then the connection closes.
    void answer(const QByteArray &text);
    QHostAddress peerAddress() const { return m_peer; }

Q_SIGNALS:
    void commentComplete(FeedbackConnection *connection, const QByteArray &comment);

private:
    void readMore();
    void complete();
    void ended();
    void drop();

    QTcpSocket *m_socket;
    QHostAddress m_peer;
    QByteArray m_comment;
    int m_maxBytes;
    bool m_completed = false;
    QTimer m_idle;
    QTimer m_quiet;
};
