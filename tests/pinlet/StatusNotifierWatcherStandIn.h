// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>

// Plays the desktop's StatusNotifierItem host on a private bus: owns
// org.kde.StatusNotifierWatcher, records the items that register, and clicks one (Activate)
// on request. Run it in a thread of its own: Qt asks the watcher with blocking calls from the
// thread that shows the icon.
class StatusNotifierWatcherStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isStatusNotifierHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredStatusNotifierItems)

public:
    explicit StatusNotifierWatcherStandIn(const QString &busAddress);
    ~StatusNotifierWatcherStandIn() override;

    bool isStatusNotifierHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList registeredStatusNotifierItems() const { return items; }

    Q_INVOKABLE bool registerOnBus();
    // Sends the item's Activate(0, 0), as a host does on a click.
    Q_INVOKABLE void activate(const QString &service);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message);
    void RegisterStatusNotifierHost(const QString &service);

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString &service);

private:
    QDBusConnection bus;
    QStringList items;
};
