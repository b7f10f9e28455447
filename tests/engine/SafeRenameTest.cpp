// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyFileSystem.h"
#include "SafeRename.h"
#include "TempDir.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

class SafeRenameTest : public ::testing::Test
{
protected:
    QString folder() const { return dir.path() + u'/'; }
    TempDir dir;
    FaultyFileSystem fs;
};

TEST_F(SafeRenameTest, RenamesAndLeavesAnEqualNameAlone)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    EXPECT_TRUE(SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("(A).mp3"), fs).ok());
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("(A).mp3")});
    fs.log.clear();
    EXPECT_TRUE(SafeRename(folder(), QStringLiteral("(A).mp3"), QStringLiteral("(A).mp3"), fs).ok());
    EXPECT_TRUE(fs.log.isEmpty());
}

TEST_F(SafeRenameTest, NeverReplacesAnExistingTarget)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    dir.write(QStringLiteral("b.mp3"), "B");
    const RenameResult r = SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), fs);
    EXPECT_EQ(r.failure, RenameFailure::TargetExists);
    EXPECT_EQ(r.error.number, 58);
    EXPECT_EQ(dir.read(QStringLiteral("a.mp3")), "A");
    EXPECT_EQ(dir.read(QStringLiteral("b.mp3")), "B");
}

TEST_F(SafeRenameTest, MissingSourceIsReportedWithThePlatformsNumberAndText)
{
    const RenameResult r = SafeRename(folder(), QStringLiteral("gone.mp3"), QStringLiteral("x.mp3"), fs);
    EXPECT_EQ(r.failure, RenameFailure::Other);
    EXPECT_EQ(r.error.number, ENOENT);
    EXPECT_EQ(r.error.description, QStringLiteral("No such file or directory"));
}

TEST_F(SafeRenameTest, RefusesTargetsThatAreNoFileName)
{
    dir.write(QStringLiteral("a.mp3"));
    for (const QString &bad : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("x/y.mp3")}) {
        const RenameResult r = SafeRename(folder(), QStringLiteral("a.mp3"), bad, fs);
        EXPECT_EQ(r.error.number, EINVAL) << bad.toStdString();
    }
    EXPECT_TRUE(fs.log.isEmpty());
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("a.mp3")});
}

// Only a regular file is renamed, whatever the name has become since the preview.
TEST_F(SafeRenameTest, RefusesFoldersPipesAndSocketsWithAReason)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.mp3")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder() + QStringLiteral("pipe.mp3")).constData(), 0644), 0);
    const struct
    {
        const char *name;
        int number;
    } cases[] = {{"folder.mp3", EISDIR}, {"pipe.mp3", ENODEV}};
    for (const auto &c : cases) {
        const RenameResult r = SafeRename(folder(), QString::fromUtf8(c.name), QStringLiteral("x.mp3"), fs);
        EXPECT_EQ(r.failure, RenameFailure::Other) << c.name;
        EXPECT_EQ(r.error.number, c.number) << c.name;
        EXPECT_FALSE(r.error.description.isEmpty());
    }
    EXPECT_TRUE(fs.log.isEmpty());
    EXPECT_EQ(dir.entries(), (QStringList{QStringLiteral("folder.mp3"), QStringLiteral("pipe.mp3")}));
}

struct Fault
{
    int code;
    RenameFailure failure;
    int number;
};

class InjectedFaults : public SafeRenameTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(InjectedFaults, MapOntoTheThreeKinds)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    fs.fail(FaultyFileSystem::RenameNoReplace, GetParam().code);
    const RenameResult r = SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), fs);
    EXPECT_EQ(r.failure, GetParam().failure);
    EXPECT_EQ(r.error.number, GetParam().number);
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("a.mp3")});
}

INSTANTIATE_TEST_SUITE_P(Errno, InjectedFaults,
                         ::testing::Values(Fault{EACCES, RenameFailure::AccessDenied, 75},
                                           Fault{EPERM, RenameFailure::AccessDenied, 75},
                                           Fault{EBUSY, RenameFailure::AccessDenied, 75},
                                           Fault{EROFS, RenameFailure::AccessDenied, 75},
                                           Fault{EEXIST, RenameFailure::TargetExists, 58},
                                           Fault{EIO, RenameFailure::Other, EIO},
                                           Fault{ENAMETOOLONG, RenameFailure::Other, ENAMETOOLONG}));

TEST_F(SafeRenameTest, WithoutNoReplaceSupportFallsBackToLinkThenUnlink)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    dir.write(QStringLiteral("b.mp3"), "B");
    fs.fail(FaultyFileSystem::RenameNoReplace, EINVAL);
    EXPECT_TRUE(SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("c.mp3"), fs).ok());
    EXPECT_EQ(dir.entries(), (QStringList{QStringLiteral("b.mp3"), QStringLiteral("c.mp3")}));
    EXPECT_EQ(SafeRename(folder(), QStringLiteral("c.mp3"), QStringLiteral("b.mp3"), fs).failure,
              RenameFailure::TargetExists);
    EXPECT_EQ(dir.read(QStringLiteral("b.mp3")), "B");
}

TEST_F(SafeRenameTest, UnlinkFailureAfterLinkUndoesTheLink)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    fs.fail(FaultyFileSystem::RenameNoReplace, EINVAL);
    fs.fail(FaultyFileSystem::RemoveFile, EBUSY, 1);
    const RenameResult r = SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("c.mp3"), fs);
    EXPECT_EQ(r.failure, RenameFailure::AccessDenied);
    // The undo's own unlink was refused too: both names may stay, but the file is whole.
    EXPECT_EQ(dir.read(QStringLiteral("a.mp3")), "A");
}

TEST_F(SafeRenameTest, WithoutLinksEitherRenamesOnlyAfterCheckingTheTarget)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    dir.write(QStringLiteral("b.mp3"), "B");
    fs.fail(FaultyFileSystem::RenameNoReplace, EINVAL);
    fs.fail(FaultyFileSystem::HardLink, EPERM);
    EXPECT_EQ(SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), fs).failure,
              RenameFailure::TargetExists);
    EXPECT_TRUE(fs.log.filter(QStringLiteral("renameReplacing")).isEmpty());
    EXPECT_TRUE(SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("c.mp3"), fs).ok());
    EXPECT_EQ(dir.entries(), (QStringList{QStringLiteral("b.mp3"), QStringLiteral("c.mp3")}));
}

// What vfat answers: the new spelling "exists"; the two steps through the temporary name
// then go through. The same entry is told either by its inode (vfat) or, where each
// spelling has its own inode (exFAT through FUSE), by the listing lacking the spelling.
TEST_F(SafeRenameTest, CaseOnlyChangeGoesThroughATemporaryNameWhereCaseIsIgnored)
{
    for (const bool sameInode : {true, false}) {
        TempDir here;
        here.write(QStringLiteral("song.mp3"), "S");
        struct FirstCallRefused : FaultyFileSystem
        {
            int calls = 0;
            int renameNoReplace(const QByteArray &from, const QByteArray &to) override
            {
                return ++calls == 1 ? EEXIST : FaultyFileSystem::renameNoReplace(from, to);
            }
        } vfat;
        vfat.pretendSameFile(sameInode);
        vfat.pretendListed(sameInode);
        EXPECT_TRUE(SafeRename(here.path() + u'/', QStringLiteral("song.mp3"), QStringLiteral("Song.mp3"), vfat).ok());
        EXPECT_EQ(vfat.log.size(), 2);
        EXPECT_EQ(here.entries(), QStringList{QStringLiteral("Song.mp3")});
        EXPECT_EQ(here.read(QStringLiteral("Song.mp3")), "S");
    }
}

TEST_F(SafeRenameTest, CaseOnlyChangeRestoresTheOldNameWhenTheSecondStepFails)
{
    dir.write(QStringLiteral("song.mp3"), "S");
    struct SecondStepBusy : FaultyFileSystem
    {
        int calls = 0;
        int renameNoReplace(const QByteArray &from, const QByteArray &to) override
        {
            ++calls;
            if (calls == 1)
                return EEXIST;
            if (calls == 3)
                return EBUSY;
            return NativeFileSystem::renameNoReplace(from, to);
        }
    } vfat;
    vfat.pretendSameFile(true);
    EXPECT_EQ(SafeRename(folder(), QStringLiteral("song.mp3"), QStringLiteral("SONG.mp3"), vfat).failure,
              RenameFailure::AccessDenied);
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("song.mp3")});
}

TEST_F(SafeRenameTest, CaseOnlyChangeOnACaseSensitiveDiskNeedsOneCallAndRespectsTheOtherFile)
{
    dir.write(QStringLiteral("song.mp3"), "s");
    EXPECT_TRUE(SafeRename(folder(), QStringLiteral("song.mp3"), QStringLiteral("Song.mp3"), fs).ok());
    EXPECT_EQ(fs.log.size(), 1);
    dir.write(QStringLiteral("song.mp3"), "other");
    EXPECT_EQ(SafeRename(folder(), QStringLiteral("song.mp3"), QStringLiteral("Song.mp3"), fs).failure,
              RenameFailure::TargetExists);
    EXPECT_EQ(dir.read(QStringLiteral("song.mp3")), "other");
    EXPECT_EQ(dir.read(QStringLiteral("Song.mp3")), "s");
}

// A folder made immutable refuses renames even to root; only where the file system
// supports the flag and we may set it.
TEST_F(SafeRenameTest, ImmutableFolderIsAccessDenied)
{
    dir.write(QStringLiteral("a.mp3"), "A");
    const int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        ::close(fd);
        GTEST_SKIP() << "file system has no inode flags";
    }
    int immutable = flags | FS_IMMUTABLE_FL;
    if (::ioctl(fd, FS_IOC_SETFLAGS, &immutable) != 0) {
        ::close(fd);
        GTEST_SKIP() << "cannot set the immutable flag here";
    }
    const RenameResult r = SafeRename(folder(), QStringLiteral("a.mp3"), QStringLiteral("b.mp3"));
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
    EXPECT_EQ(r.failure, RenameFailure::AccessDenied);
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("a.mp3")});
}

} // namespace
