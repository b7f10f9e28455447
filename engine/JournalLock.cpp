// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "JournalLock.h"

#include <QFile>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

JournalLock::JournalLock(const QString &path) : m_path(path) {}

JournalLock::~JournalLock()
{
    unlock();
}

#ifdef Q_OS_UNIX

JournalLock::Result JournalLock::tryLock()
{
    unlock();
    const QByteArray path = QFile::encodeName(m_path);
    // A holder giving the lock back removes the file between our open and our flock;
    // then the lock held is on a file no one else will open, and we try again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Result::Failed;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            return busy ? Result::Busy : Result::Failed;
        }
        struct stat held = {};
        struct stat named = {};
        if (::fstat(fd, &held) == 0 && ::stat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino) {
            m_fd = fd;
            return Result::Locked;
        }
        ::close(fd);
    }
    return Result::Busy;
}

void JournalLock::unlock()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so no one can take a lock on it meanwhile and keep it.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

#else

JournalLock::Result JournalLock::tryLock()
{
    m_file = std::make_unique<QLockFile>(m_path);
    // Only a holder that is gone frees the lock: a pass waiting on a confirmation
    // may hold it for minutes.
    m_file->setStaleLockTime(0);
    if (m_file->tryLock(0))
        return Result::Locked;
    const bool busy = m_file->error() == QLockFile::LockFailedError;
    m_file.reset();
    return busy ? Result::Busy : Result::Failed;
}

void JournalLock::unlock()
{
    m_file.reset();
}

#endif
