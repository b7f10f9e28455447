// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The journal's lock: one program at a time renames or undoes. On Unix an flock() on
// the lock file, which the system lets go when its holder dies, so no lock is ever
// stale and taking one asks nothing of the disk (QLockFile flushes the file it writes,
// a millisecond or more of every pass). The file is removed when the lock is given
// back, so that a program using QLockFile on the same file (an older Marlune) never
// finds a lock left behind; it takes the same flock() and so still excludes us and is
// excluded. Elsewhere a QLockFile.
class JournalLock
{
public:
    enum class Result { Locked, Busy, Failed };

    explicit JournalLock(const QString &path);
    ~JournalLock();
    JournalLock(const JournalLock &) = delete;
    JournalLock &operator=(const JournalLock &) = delete;

    Result tryLock();
    void unlock();

private:
    QString m_path;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    std::unique_ptr<QLockFile> m_file;
#endif
};
