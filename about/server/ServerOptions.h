// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// What marlune-server hands out and how it guards itself. Ports of 0 ask the
// system for free ones; the server prints the ports it got.
struct ServerOptions
{
    QHostAddress listenAddress = QHostAddress(QHostAddress::LocalHost);
    quint16 updatePort = 1001;
    quint16 feedbackPort = 1002;

    QString offeredVersion;
    QString webAddress;
    QString emailAddress;
    QString nextAddress;  // IPv4 handed out as the server to use next time; empty: the listen address
    quint16 nextPort = 0; // 0: the update port actually listened on

    QString commentsFile = QStringLiteral("marlune-comments.txt");
    int maxCommentBytes = 4096;
    int idleMs = 10000;  // a connection that sends nothing for this long is closed
    int quietMs = 500;   // a comment is complete once the client has paused this long
    int maxConnections = 64;      // on each port, so comments never hold up update checks
    int maxPerAddress = 4;        // on each port, per sender (IPv6: per /64)
    int deadlineMs = 15000;       // a connection is closed this long after it was accepted, whatever it sends
    int commentsPerHour = 20;     // per sender; beyond, the answer is "error"
    qint64 maxCommentsFileBytes = 100LL << 20; // the comments file never grows past this
    qint64 logIntervalMs = 60000; // each kind of refusal is logged at most this often
};

struct ParsedServerOptions
{
    ServerOptions options;
    QString error;    // not empty: refuse to start, say this
    QString helpText; // not empty: print this and stop (--help, --version)
};

// Reads the command line (arguments include the program name).
ParsedServerOptions parseServerOptions(const QStringList &arguments);
