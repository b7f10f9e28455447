// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// Whatever an update server sends: the reply is split into fields, its address part
// checked and its version compared, as the About window does with a reply.
#include "FuzzInput.h"
#include "HostInfo.h"
#include "VersionCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QString ownVersion = input.text(16);
    const QString reply = QString::fromUtf8(input.rest());

    HostInfo hostInfo;
    ParseReply(reply, hostInfo);
    const qsizetype fields = qMin<qsizetype>(reply.count(u'|'), hostInfo.size());
    for (qsizetype i = 0; i < fields; ++i)
        fuzzCheck(!hostInfo[i].contains(u'|'), "a reply field holds no |", hostInfo[i]);

    if (const std::optional<ServerAddress> server = serverAddressOf(hostInfo)) {
        fuzzCheck(server->port != 0, "an accepted server has a port");
        fuzzCheck(server->host.count(u'.') == 3, "an accepted server has four address bytes", server->host);
    }
    CompareVersion(hostInfo[0], ownVersion);
    minorAndRevision(hostInfo[0]);
    return 0;
}
