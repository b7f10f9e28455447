// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FileIdentity.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDateTime>
#include <QFileInfo>
#endif

#ifdef Q_OS_UNIX
namespace {

std::optional<FileIdentity> identityOf(int result, const struct stat &st)
{
    if (result != 0)
        return std::nullopt;
    return FileIdentity{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
                        qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

} // namespace
#endif

bool FileIdentity::unchangedSince(const FileIdentity &now, qint64 sinceMs, bool lastingInodes) const
{
    if (knowsContent())
        return now.size == size && now.modifiedNs == modifiedNs && (!lastingInodes || now.inode == inode);
    // Whole milliseconds on both sides: the time was cut to them, and a file written
    // just before it must not count as written after.
    constexpr qint64 kNsPerMs = 1000000;
    const qint64 modifiedMs = now.modifiedNs >= 0 ? now.modifiedNs / kNsPerMs : (now.modifiedNs + 1) / kNsPerMs - 1;
    return now.inode == inode && modifiedMs <= sinceMs;
}

std::optional<FileIdentity> FileIdentity::in(int folder, const QByteArray &name)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return identityOf(::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW), st);
#else
    Q_UNUSED(folder);
    return of(name);
#endif
}

int FileIdentity::openFolder(const QByteArray &path)
{
#ifdef Q_OS_UNIX
    return ::open(path.isEmpty() ? "." : path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#else
    Q_UNUSED(path);
    return -1;
#endif
}

void FileIdentity::closeFolder(int folder)
{
#ifdef Q_OS_UNIX
    if (folder >= 0)
        ::close(folder);
#else
    Q_UNUSED(folder);
#endif
}

std::optional<FileIdentity> FileIdentity::of(const QByteArray &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return identityOf(::lstat(path.constData(), &st), st);
#else
    // Without inode numbers at hand, size and time alone tell a replaced file.
    const QFileInfo info(QString::fromUtf8(path));
    if (!info.exists())
        return std::nullopt;
    return FileIdentity{0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000};
#endif
}
