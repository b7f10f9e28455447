// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>

class QTcpSocket;

// Sends the server's last words on a connection, then closes only the sending side:
// whatever the client still sends is read and dropped until it hangs up, or until the
// owner's timers drop it. Closing outright while the client's bytes lie unread makes
// the system reset the connection, and a reset can destroy the answer before the
// client has read it.
void answerThenLinger(QTcpSocket *socket, const QByteArray &text);
