// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>

class StatusNotifierWatcherStandIn;

// The StatusNotifierItem host stand-in running in a thread of its own on the given bus, as
// Qt's blocking calls to the watcher need; the items that register are collected here.
class StatusNotifierHostThread
{
public:
    explicit StatusNotifierHostThread(const QString &busAddress);
    ~StatusNotifierHostThread();
    StatusNotifierHostThread(const StatusNotifierHostThread &) = delete;
    StatusNotifierHostThread &operator=(const StatusNotifierHostThread &) = delete;

    // True once the stand-in owns org.kde.StatusNotifierWatcher.
    bool isRegistered() const { return registered; }
    QStringList items() const { return registeredItems; }
    // Clicks the item the way a host does (Activate), without waiting for it.
    void activate(const QString &item);

private:
    QThread thread;
    StatusNotifierWatcherStandIn *watcher;
    QObject receiver;
    QStringList registeredItems;
    bool registered = false;
};
