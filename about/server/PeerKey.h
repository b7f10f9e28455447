// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QHostAddress>
#include <QString>

// What the per-sender limits count by: an IPv4 address (also when it arrives
// IPv4-mapped), or the /64 network of an IPv6 address, since one IPv6 client
// commonly holds a whole /64 and could otherwise take a new address per connection.
QString peerKey(const QHostAddress &address);
