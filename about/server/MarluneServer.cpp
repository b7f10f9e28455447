// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MarluneServer.h"

#include "FeedbackConnection.h"
#include "LingeringClose.h"
#include "PeerKey.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QTimer>

MarluneServer::MarluneServer(ServerOptions options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_log(m_options.commentsFile, m_options.maxCommentsFileBytes)
    , m_quota(m_options.commentsPerHour)
    , m_refusals(m_options.logIntervalMs)
    , m_updateLimit(m_options.maxConnections, m_options.maxPerAddress)
    , m_feedbackLimit(m_options.maxConnections, m_options.maxPerAddress)
    , m_update(this)
    , m_feedback(this)
{
    // A burst of connections must wait in the kernel's queue, not be dropped
    // there: a dropped SYN costs an honest client a one-second retransmission.
    m_update.setListenBacklogSize(listenBacklog);
    m_feedback.setListenBacklogSize(listenBacklog);
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

QTcpSocket *MarluneServer::nextClient(QTcpServer &server, ConnectionLimit &limit, const QString &port)
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        const QString key = peerKey(socket->peerAddress());
        const ConnectionLimit::Verdict verdict = limit.admit(key);
        if (verdict == ConnectionLimit::Verdict::Admitted) {
            connect(socket, &QObject::destroyed, this, [&limit, key] { limit.release(key); });
            return socket;
        }
        const QString kind = verdict == ConnectionLimit::Verdict::PortFull
            ? QStringLiteral("%1 port full").arg(port)
            : QStringLiteral("sender over its connection limit on the %1 port").arg(port);
        m_refusals.note(kind, socket->peerAddress().toString());
        socket->abort();
        socket->deleteLater();
    }
    return nullptr;
}

void MarluneServer::armDeadline(QTcpSocket *socket)
{
    auto *deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(std::min(m_options.idleMs, m_options.deadlineMs));
}

void MarluneServer::serveUpdate()
{
    while (QTcpSocket *socket = nextClient(m_update, m_updateLimit, QStringLiteral("update"))) {
        // Whatever a client sends is not part of the protocol; it is read and dropped.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        armDeadline(socket);
        answerThenLinger(socket, reply());
    }
}

void MarluneServer::takeFeedback()
{
    while (QTcpSocket *socket = nextClient(m_feedback, m_feedbackLimit, QStringLiteral("feedback"))) {
        auto *connection = new FeedbackConnection(socket, m_options, this);
        connect(connection, &FeedbackConnection::commentComplete, this, &MarluneServer::store);
        connect(connection, &FeedbackConnection::deadlineReached, this, [this](FeedbackConnection *c) {
            m_refusals.note(QStringLiteral("comment not complete by the deadline"), c->peerAddress().toString());
        });
    }
}

void MarluneServer::store(FeedbackConnection *connection, const QByteArray &comment)
{
    const QByteArray answer = storeReply(connection->peerAddress(), comment);
    connection->answer(answer);
    if (answer == "ok")
        Q_EMIT commentStored(comment);
}

QByteArray MarluneServer::storeReply(const QHostAddress &sender, const QByteArray &comment)
{
    if (!m_quota.take(peerKey(sender))) {
        m_refusals.note(QStringLiteral("sender over its comments per hour"), sender.toString());
        return "error";
    }
    switch (m_log.append(QDateTime::currentDateTimeUtc(), sender, comment)) {
    case CommentLog::Result::Stored:
        m_fileFull = false;
        return "ok";
    case CommentLog::Result::Full:
        // Once per spell: every later comment meets the same full file.
        if (!m_fileFull)
            m_refusals.note(QStringLiteral("comments file at its size cap"), m_options.commentsFile);
        m_fileFull = true;
        return "error";
    case CommentLog::Result::Failed:
        break;
    }
    m_refusals.note(QStringLiteral("comments file not writable"), m_options.commentsFile);
    return "error";
}
