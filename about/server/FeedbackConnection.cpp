// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FeedbackConnection.h"

#include "CommentEscaping.h"
#include "LingeringClose.h"

namespace {

// A character cut at the limit can only be told from invalid bytes by the
// bytes after it, so this many are read beyond the limit before the cut.
constexpr int lookahead = 3;

} // namespace

FeedbackConnection::FeedbackConnection(QTcpSocket *socket, const ServerOptions &options, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_peer(socket->peerAddress())
    , m_maxBytes(options.maxCommentBytes)
{
    m_socket->setParent(this);
    m_idle.setSingleShot(true);
    m_idle.setInterval(options.idleMs);
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(options.quietMs);
    m_deadline.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &FeedbackConnection::drop);
    connect(&m_quiet, &QTimer::timeout, this, &FeedbackConnection::complete);
    connect(&m_deadline, &QTimer::timeout, this, &FeedbackConnection::expire);
    connect(m_socket, &QTcpSocket::readyRead, this, &FeedbackConnection::readMore);
    connect(m_socket, &QTcpSocket::disconnected, this, &FeedbackConnection::ended);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &FeedbackConnection::ended);
    m_idle.start();
    m_deadline.start(options.deadlineMs);
}

void FeedbackConnection::readMore()
{
    const QByteArray data = m_socket->readAll();
    if (m_completed)
        return;
    m_idle.start();
    m_comment += data.left(m_maxBytes + lookahead - m_comment.size());
    if (m_comment.size() >= m_maxBytes + lookahead)
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
    const std::string_view kept =
        CommentEscaping::cut(std::string_view(m_comment.constData(), m_comment.size()), m_maxBytes);
    m_comment.truncate(qsizetype(kept.size()));
    // idle stays armed: a client that never lets go of the answer is dropped.
    m_idle.start();
    Q_EMIT commentComplete(this, m_comment);
}

void FeedbackConnection::answer(const QByteArray &text)
{
    answerThenLinger(m_socket, text);
}

void FeedbackConnection::ended()
{
    // A client may send its comment and hang up without waiting for the answer.
    if (!m_comment.isEmpty() && !m_dropped)
        complete();
    m_idle.stop();
    m_quiet.stop();
    m_deadline.stop();
    deleteLater();
}

void FeedbackConnection::drop()
{
    m_socket->abort();
    ended();
}

void FeedbackConnection::expire()
{
    // Only a client that trickles bytes gets here; what it sent is not kept,
    // or a slow sender could still fill the file.
    m_dropped = true;
    if (!m_completed)
        Q_EMIT deadlineReached(this);
    drop();
}
