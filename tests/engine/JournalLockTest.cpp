// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "JournalLock.h"
#include "TempDir.h"

#include <QFile>
#include <QLockFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Result = JournalLock::Result;

// A holder that dies (a crash, a kill) leaves nothing that stops the next program.
TEST(JournalLock, IsExclusiveAndFreedWhenItsHolderDies)
{
    TempDir dir;
    const QString path = dir.filePath(QStringLiteral("lock"));
    JournalLock first(path);
    JournalLock second(path);
    ASSERT_EQ(first.tryLock(), Result::Locked);
    EXPECT_EQ(second.tryLock(), Result::Busy);
    first.unlock();
    EXPECT_FALSE(QFile::exists(path));

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        JournalLock held(path);
        const char taken = held.tryLock() == Result::Locked ? 'y' : 'n';
        (void)!::write(ready[1], &taken, 1);
        ::pause();
        ::_exit(0);
    }
    char taken = 0;
    ASSERT_EQ(::read(ready[0], &taken, 1), 1);
    ASSERT_EQ(taken, 'y');
    EXPECT_EQ(second.tryLock(), Result::Busy);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(second.tryLock(), Result::Locked) << "the dead holder's lock is gone";
    ::close(ready[0]);
    ::close(ready[1]);
}

// An older Marlune locks the same file with QLockFile: each keeps the other out, and
// neither finds a lock left behind by the other.
TEST(JournalLock, KeepsOutAndIsKeptOutByAQLockFile)
{
    TempDir dir;
    const QString path = dir.filePath(QStringLiteral("lock"));
    QLockFile older(path);
    older.setStaleLockTime(0);
    ASSERT_TRUE(older.tryLock(0));
    JournalLock lock(path);
    EXPECT_EQ(lock.tryLock(), Result::Busy);
    older.unlock();

    ASSERT_EQ(lock.tryLock(), Result::Locked);
    EXPECT_FALSE(older.tryLock(0));
    lock.unlock();
    EXPECT_TRUE(older.tryLock(0));
}

} // namespace
