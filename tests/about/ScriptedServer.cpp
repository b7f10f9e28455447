// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ScriptedServer.h"

#include <QTimer>

ScriptedServer::ScriptedServer(Mode mode, QByteArray payload, QByteArray second)
    : m_mode(mode)
    , m_payload(std::move(payload))
    , m_second(std::move(second))
{
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
    m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 ScriptedServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort(); // closed again when probe goes
}

void ScriptedServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        ++m_connections;
        m_sinceConnect.start();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { take(socket); });
        begin(socket);
    }
}

void ScriptedServer::begin(QTcpSocket *socket)
{
    switch (m_mode) {
    case Mode::Silent:
    case Mode::AnswerData:
        break;
    case Mode::CloseAtOnce:
        socket->close();
        break;
    case Mode::Send:
        socket->write(m_payload);
        break;
    case Mode::SendInTwoPieces:
        socket->write(m_payload);
        socket->flush();
        // Long enough for the first piece to be handled on its own.
        QTimer::singleShot(150, socket, [socket, this] { socket->write(m_second); });
        break;
    case Mode::Endless:
        socket->write(m_payload);
        connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] { feed(socket); });
        feed(socket);
        break;
    case Mode::GreetThenAnswer:
        socket->write(m_second);
        break;
    }
}

void ScriptedServer::feed(QTcpSocket *socket)
{
    if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 65536)
        socket->write(QByteArray(65536, 'x'));
}

void ScriptedServer::take(QTcpSocket *socket)
{
    const bool first = m_firstDataAfterMs < 0;
    if (first)
        m_firstDataAfterMs = m_sinceConnect.elapsed();
    m_received += socket->readAll();
    if (first && (m_mode == Mode::AnswerData || m_mode == Mode::GreetThenAnswer))
        socket->write(m_payload);
    Q_EMIT dataReceived();
}
