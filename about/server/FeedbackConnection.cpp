#include "FeedbackConnection.h"

FeedbackConnection::FeedbackConnection(QTcpSocket *socket, int maxBytes, int idleMs, int quietMs,
                                       QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_peer(socket->peerAddress())
    , m_maxBytes(maxBytes)
{
    m_socket->setParent(this);
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMs);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_idle, &QTimer::timeout, this, &FeedbackConnection::drop);
    connect(&m_quiet, &QTimer::timeout, this, &FeedbackConnection::complete);
    connect(m_socket, &QTcpSocket::readyRead, this, &FeedbackConnection::readMore);
    connect(m_socket, &QTcpSocket::disconnected, this, &FeedbackConnection::ended);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &FeedbackConnection::ended);
    m_idle.start();
}

void FeedbackConnection::readMore()
{
    const QByteArray data = m_socket->readAll();
    if (m_completed)
        return;
    m_idle.start();
    m_comment += data.left(m_maxBytes - m_comment.size());
    if (m_comment.size() >= m_maxBytes)
        complete();
    else
        m_quiet.start();
}

void FeedbackConnection::complete()
{
    if (m_completed)
        return;
    m_completed = true;
    m_quiet.stop();
    // idle stays armed: a client that never lets go of the answer is dropped.
    m_idle.start();
    Q_EMIT commentComplete(this, m_comment);
}

void FeedbackConnection::answer(const QByteArray &text)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    m_socket->write(text);
    m_socket->disconnectFromHost();
}

void FeedbackConnection::ended()
{
    // A client may send its comment and hang up without waiting for the answer.
    if (!m_comment.isEmpty())
        complete();
    m_idle.stop();
    m_quiet.stop();
    deleteLater();
}

void FeedbackConnection::drop()
{
    m_socket->abort();
    ended();
}
