// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "StatusNotifierWatcherStandIn.h"

StatusNotifierWatcherStandIn::StatusNotifierWatcherStandIn(const QString &busAddress)
    : bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("pinlet-watcher-stand-in")))
{
}

StatusNotifierWatcherStandIn::~StatusNotifierWatcherStandIn()
{
    bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    QDBusConnection::disconnectFromBus(bus.name());
}

bool StatusNotifierWatcherStandIn::registerOnBus()
{
    return bus.isConnected()
        && bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties
                                  | QDBusConnection::ExportAllSignals)
        && bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void StatusNotifierWatcherStandIn::activate(const QString &service)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/StatusNotifierItem"),
                                                       QStringLiteral("org.kde.StatusNotifierItem"),
                                                       QStringLiteral("Activate"));
    call << 0 << 0;
    bus.send(call);
}

void StatusNotifierWatcherStandIn::RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
{
    // Items may register an object path instead of a name; the sender is then the service.
    const QString name = service.startsWith(u'/') ? message.service() : service;
    items << name;
    Q_EMIT StatusNotifierItemRegistered(name);
}

void StatusNotifierWatcherStandIn::RegisterStatusNotifierHost(const QString &)
{
}
