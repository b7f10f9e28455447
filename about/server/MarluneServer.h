#pragma once

#include "CommentLog.h"
#include "ServerOptions.h"

#include <QObject>
#include <QTcpServer>

class FeedbackConnection;
class QTcpSocket;

// The reference update and feedback server. On the update port it sends every
// client the reply built from its options and closes; on the feedback port it
// appends each comment to the comment file and answers "ok" (or "error" when
// the file could not be written).
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
    QTcpSocket *nextClient(QTcpServer &server);
    void armIdle(QTcpSocket *socket);

    ServerOptions m_options;
    CommentLog m_log;
    QTcpServer m_update;
    QTcpServer m_feedback;
    int m_connections = 0;
};
