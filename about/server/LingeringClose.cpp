// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "LingeringClose.h"

#include <QTcpSocket>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace {

void shutdownSending(QTcpSocket *socket)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(socket->socketDescriptor()), SD_SEND);
#else
    ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
#endif
}

} // namespace

void answerThenLinger(QTcpSocket *socket, const QByteArray &text)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    // Read and dropped from here on, so nothing lies unread when the connection ends.
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
    socket->readAll();
    socket->write(text);
    socket->flush();
    if (socket->bytesToWrite() == 0) {
        shutdownSending(socket);
        return;
    }
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
        if (socket->bytesToWrite() == 0)
            shutdownSending(socket);
    });
}
