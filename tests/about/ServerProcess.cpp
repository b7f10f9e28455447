// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ServerProcess.h"

#include "ExchangeTestSupport.h"

#include <QRegularExpression>

ServerProcess::ServerProcess(const QStringList &arguments)
{
    process.start(MARLUNE_SERVER_BINARY, QStringList{"--update-port", "0", "--feedback-port", "0"} + arguments);
    const QRegularExpression ready("update port (\\d+), feedback port (\\d+)");
    QRegularExpressionMatch m;
    waitFor([&] {
        m = ready.match(QString::fromUtf8(output += process.readAllStandardOutput()));
        return m.hasMatch() || process.state() == QProcess::NotRunning;
    }, &process, SIGNAL(readyReadStandardOutput()));
    updatePort = m.captured(1).toUShort();
    feedbackPort = m.captured(2).toUShort();
}

ServerProcess::~ServerProcess()
{
    process.kill();
    process.waitForFinished();
}
