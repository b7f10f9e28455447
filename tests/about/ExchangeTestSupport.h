// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QObject>
#include <QSignalSpy>
#include <functional>

// Runs the event loop until busy() turns false, or gives up after limitMs (far
// beyond any timer the tests set). True when it ended in time.
template<typename Exchange>
bool waitUntilIdle(Exchange &exchange, int limitMs = 10000)
{
    QSignalSpy spy(&exchange, &Exchange::busyChanged);
    while (exchange.busy()) {
        if (!spy.wait(limitMs))
            return false;
    }
    return true;
}

// Runs the event loop until done() holds, waiting on signal of sender.
bool waitFor(const std::function<bool()> &done, const QObject *sender, const char *signal,
             int limitMs = 10000);
