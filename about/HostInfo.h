// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <array>
#include <optional>

// The About window's HostInfo(0 To 7): the fields of the last update reply or of
// hostinfo.ini. Version, web address, e-mail address, the four numbers of the
// update server's IPv4 address and its port. The numbers are held as the server
// sent them; HostOffset exists only inside hostinfo.ini.
using HostInfo = std::array<QString, 8>;

namespace HostInfoField {
constexpr int Version = 0;
constexpr int WebAddress = 1;
constexpr int EmailAddress = 2;
constexpr int FirstAddressNumber = 3;
constexpr int Port = 7;
} // namespace HostInfoField

struct ServerAddress
{
    QString host; // dotted IPv4
    quint16 port = 0;
};

// Stores each field of text that a "|" ends in the next entry of hostInfo, from
// entry 0, and at most eight. Text after the last "|" is no field; entries beyond
// the fields received keep what they held.
void ParseReply(const QString &text, HostInfo &hostInfo);

// Entries 3 to 7 as a server address, when they are whole numbers with four
// address bytes 0 to 255 and a port 1 to 65535; nullopt otherwise.
std::optional<ServerAddress> serverAddressOf(const HostInfo &hostInfo);

// A field read as a whole number: decimal digits only, blanks around allowed.
std::optional<int> wholeNumber(const QString &field);
