// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QProcess>
#include <QStringList>

// The real marlune-server binary on free loopback ports, stopped with the test.
class ServerProcess
{
public:
    explicit ServerProcess(const QStringList &arguments);
    ~ServerProcess();

    bool running() const { return process.state() == QProcess::Running && updatePort != 0; }

    QProcess process;
    QByteArray output;
    quint16 updatePort = 0;
    quint16 feedbackPort = 0;
};
