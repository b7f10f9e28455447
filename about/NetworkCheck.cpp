// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NetworkCheck.h"

#include <QNetworkInterface>

bool hasNetwork()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &nic : interfaces) {
        if (!nic.flags().testFlag(QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry &entry : nic.addressEntries()) {
            if (!entry.ip().isLoopback())
                return true;
        }
    }
    return false;
}
