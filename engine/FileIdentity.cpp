// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FileIdentity.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <QDateTime>
#include <QFileInfo>
#endif

std::optional<FileIdentity> FileIdentity::of(const QByteArray &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
                        qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
#else
    // Without inode numbers at hand, size and time alone tell a replaced file.
    const QFileInfo info(QString::fromUtf8(path));
    if (!info.exists())
        return std::nullopt;
    return FileIdentity{0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000};
#endif
}
