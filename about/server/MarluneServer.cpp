#include "MarluneServer.h"

#include "FeedbackConnection.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QTimer>

MarluneServer::MarluneServer(ServerOptions options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_log(m_options.commentsFile)
    , m_update(this)
    , m_feedback(this)
{
    connect(&m_update, &QTcpServer::newConnection, this, &MarluneServer::serveUpdate);
    connect(&m_feedback, &QTcpServer::newConnection, this, &MarluneServer::takeFeedback);
}

bool MarluneServer::listen(QString &error)
{
    if (!m_update.listen(m_options.listenAddress, m_options.updatePort)) {
        error = QStringLiteral("update port: ") + m_update.errorString();
        return false;
    }
    if (!m_feedback.listen(m_options.listenAddress, m_options.feedbackPort)) {
        error = QStringLiteral("feedback port: ") + m_feedback.errorString();
        m_update.close();
        return false;
    }
    return true;
}

QByteArray MarluneServer::reply() const
{
    const quint16 nextPort = m_options.nextPort != 0 ? m_options.nextPort : updatePort();
    QStringList fields{m_options.offeredVersion, m_options.webAddress, m_options.emailAddress};
    fields << m_options.nextAddress.split(QLatin1Char('.')) << QString::number(nextPort);
    return (fields.join(QLatin1Char('|')) + QLatin1Char('|')).toUtf8();
}

QTcpSocket *MarluneServer::nextClient(QTcpServer &server)
{
    QTcpSocket *socket = server.nextPendingConnection();
    if (!socket)
        return nullptr;
    if (m_connections >= m_options.maxConnections) {
        socket->abort();
        socket->deleteLater();
        return nullptr;
    }
    ++m_connections;
    connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
    return socket;
}

void MarluneServer::armIdle(QTcpSocket *socket)
{
    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    idle->start(m_options.idleMs);
}

void MarluneServer::serveUpdate()
{
    while (QTcpSocket *socket = nextClient(m_update)) {
        // Whatever a client sends is not part of the protocol; it is read and dropped.
        connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        armIdle(socket);
        socket->write(reply());
        socket->disconnectFromHost();
    }
}

void MarluneServer::takeFeedback()
{
    while (QTcpSocket *socket = nextClient(m_feedback)) {
        auto *connection = new FeedbackConnection(socket, m_options.maxCommentBytes, m_options.idleMs,
                                                  m_options.quietMs, this);
        connect(connection, &FeedbackConnection::commentComplete, this, &MarluneServer::store);
    }
}

void MarluneServer::store(FeedbackConnection *connection, const QByteArray &comment)
{
    const bool stored = m_log.append(QDateTime::currentDateTimeUtc(), connection->peerAddress(), comment);
    connection->answer(stored ? "ok" : "error");
    if (stored)
        Q_EMIT commentStored(comment);
}
