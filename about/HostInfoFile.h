// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"
#include "HostInfo.h"

#include <QString>

// hostinfo.ini in the program's folder: seven quoted lines holding HostInfo(1)
// to HostInfo(7), the five numbers each increased by HostOffset.
namespace HostInfoFile {

inline QString fileName() { return QStringLiteral("hostinfo.ini"); }

// True when folder holds a file named exactly "hostinfo.ini"; a name that
// differs only in letter case does not count, even on a file system that
// would open it.
bool existsIn(const QString &folder);

struct ReadResult
{
    ErrorInfo error;
    HostInfo hostInfo; // entries 1 to 7, offset removed; entry 0 empty
};

// Reads and checks the file whole: a damaged one (too few fields, numbers that
// are not whole or lie out of range once the offset is removed) gives an error
// and no values, so nothing half-valid is ever applied.
ReadResult read(const QString &path);

// The file's bytes for hostInfo, whose entries 3 to 7 must form a valid address.
QByteArray bytesOf(const HostInfo &hostInfo);

// Replaces the file as a whole; the old one stays when writing fails.
ErrorInfo write(const QString &path, const HostInfo &hostInfo);

} // namespace HostInfoFile
