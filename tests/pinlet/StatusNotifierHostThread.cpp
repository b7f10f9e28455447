// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "StatusNotifierHostThread.h"

#include "StatusNotifierWatcherStandIn.h"

StatusNotifierHostThread::StatusNotifierHostThread(const QString &busAddress)
    : watcher(new StatusNotifierWatcherStandIn(busAddress))
{
    watcher->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, watcher, &QObject::deleteLater);
    thread.start();
    QMetaObject::invokeMethod(watcher, &StatusNotifierWatcherStandIn::registerOnBus, Qt::BlockingQueuedConnection,
                              &registered);
    QObject::connect(watcher, &StatusNotifierWatcherStandIn::StatusNotifierItemRegistered, &receiver,
                     [this](const QString &service) { registeredItems << service; });
}

StatusNotifierHostThread::~StatusNotifierHostThread()
{
    thread.quit();
    thread.wait();
}

void StatusNotifierHostThread::activate(const QString &item)
{
    QMetaObject::invokeMethod(watcher, "activate", Qt::QueuedConnection, Q_ARG(QString, item));
}
