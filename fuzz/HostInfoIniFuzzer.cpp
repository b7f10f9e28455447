// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// hostinfo.ini as found on disk: read whole or refused whole, and what is accepted
// reads back the same once written again.
#include "FuzzInput.h"
#include "HostInfoFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// One scratch file per process; the reader only takes a path.
const QString &scratchPath()
{
    static const QString path = QDir::tempPath()
        + QStringLiteral("/marlune-fuzz-hostinfo-%1.ini").arg(QCoreApplication::applicationPid());
    return path;
}

HostInfoFile::ReadResult readBytes(const QByteArray &bytes)
{
    QFile file(scratchPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFailure("cannot write the scratch file", scratchPath());
    file.close();
    return HostInfoFile::read(scratchPath());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const HostInfoFile::ReadResult first = readBytes(input.rest());
    if (first.error.number != 0) {
        fuzzCheck(first.hostInfo == HostInfo{}, "a refused file gives no values");
        return 0;
    }
    fuzzCheck(serverAddressOf(first.hostInfo).has_value(), "an accepted file holds a server address");
    // Texts holding a double quote cannot be written back (the format has no escape).
    if (first.hostInfo[HostInfoField::WebAddress].contains(u'"') || first.hostInfo[HostInfoField::EmailAddress].contains(u'"'))
        return 0;
    const HostInfoFile::ReadResult again = readBytes(HostInfoFile::bytesOf(first.hostInfo));
    fuzzCheck(again.error.number == 0, "written server information reads back", again.error.description);
    for (int i = HostInfoField::WebAddress; i <= HostInfoField::EmailAddress; ++i)
        fuzzCheck(again.hostInfo[i] == first.hostInfo[i], "texts survive a write", first.hostInfo[i] + QStringLiteral(" / ") + again.hostInfo[i]);
    for (int i = HostInfoField::FirstAddressNumber; i <= HostInfoField::Port; ++i)
        fuzzCheck(wholeNumber(again.hostInfo[i]) == wholeNumber(first.hostInfo[i]), "numbers survive a write",
                  first.hostInfo[i] + QStringLiteral(" / ") + again.hostInfo[i]);
    return 0;
}
