// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "SessionBus.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QStandardPaths>
#include <QUuid>

#include <csignal>

SessionBus::SessionBus()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty())
        return;
    daemon.start(program, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                           QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    while (!daemon.canReadLine() && daemon.waitForReadyRead(5000)) {
    }
    address = QString::fromUtf8(daemon.readLine()).trimmed();
    if (address.isEmpty())
        return;
    connectionName = QUuid::createUuid().toString();
    QDBusConnection::connectToBus(address, connectionName);
}

SessionBus::~SessionBus()
{
    if (!connectionName.isEmpty()) {
        stopClients();
        QDBusConnection::disconnectFromBus(connectionName);
    }
    if (daemon.state() != QProcess::NotRunning) {
        daemon.terminate();
        if (!daemon.waitForFinished(3000))
            daemon.kill();
        daemon.waitForFinished(3000);
    }
}

void SessionBus::stopClients()
{
    // Players a test started without holding on to them (as the program starts one) are
    // known only by their names on this private bus.
    QDBusConnectionInterface *daemonInterface = connection().interface();
    if (!daemonInterface)
        return;
    for (const QString &name : daemonInterface->registeredServiceNames().value()) {
        const QDBusReply<uint> pid = daemonInterface->servicePid(name);
        if (name.startsWith(QLatin1Char(':')) && pid.isValid() && pid.value() > 0
            && qint64(pid.value()) != QCoreApplication::applicationPid())
            ::kill(static_cast<pid_t>(pid.value()), SIGTERM);
    }
}

QDBusConnection SessionBus::connection() const
{
    return QDBusConnection(connectionName);
}
