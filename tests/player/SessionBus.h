// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

// A private session bus for one test: its own dbus-daemon, stopped with the object.
class SessionBus
{
public:
    SessionBus();
    ~SessionBus();

    // False when dbus-daemon is missing or did not come up.
    bool isUp() const { return !address.isEmpty(); }
    QString busAddress() const { return address; }
    QDBusConnection connection() const;

private:
    void stopClients();

    QProcess daemon;
    QString address;
    QString connectionName;
};
