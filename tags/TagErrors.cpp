// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagErrors.h"

#include <cerrno>

namespace TagErrors {

ErrorInfo make(Number number)
{
    switch (number) {
    case FileNotFound: return {number, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "File not found"))};
    case DeviceIoError: return {number, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Device I/O error"))};
    case DiskFull: return {number, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Disk full"))};
    case PermissionDenied: return {number, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Permission denied"))};
    case PathFileAccessError: break;
    }
    return {PathFileAccessError, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Path/File access error"))};
}

ErrorInfo fromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
        return make(FileNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
        return make(PermissionDenied);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return make(DiskFull);
    case EIO:
        return make(DeviceIoError);
    default:
        return make(PathFileAccessError);
    }
}

} // namespace TagErrors
