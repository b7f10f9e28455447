// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ExchangeTestSupport.h"

bool waitFor(const std::function<bool()> &done, const QObject *sender, const char *signal, int limitMs)
{
    QSignalSpy spy(sender, signal);
    while (!done()) {
        if (!spy.wait(limitMs))
            return done();
    }
    return true;
}
