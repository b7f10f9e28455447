// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <QtGlobal>

// Where the About window's two sockets connect before hostinfo.ini names another
// update server, and the fixed numbers of both exchanges. The feedback socket
// always uses this host: hostinfo.ini moves only the update check.
namespace UpdateServer {

inline QString defaultHost() { return QStringLiteral("update.marlune.example"); }
constexpr quint16 UpdatePort = 1001;
constexpr quint16 FeedbackPort = 1002;

// Added to the five numbers of the server address when hostinfo.ini is written,
// so the file does not show the address at a glance.
constexpr int HostOffset = 17;

constexpr int UpdateTimeoutMs = 8000;   // Timer1
constexpr int SendDelayMs = 4000;       // Timer2
constexpr int AnswerTimeoutMs = 4000;   // Timer3

// A reply larger than this is cut: a real one is a few dozen bytes.
constexpr qint64 MaxReplyBytes = 64 * 1024;

} // namespace UpdateServer
