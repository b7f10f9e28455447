// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "JournaledApply.h"
#include "NativeFileSystem.h"
#include "TempDir.h"

#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A power cut in the middle of a pass: the process dies right after its nth rename,
// before that rename is recorded.
class DyingFileSystem : public NativeFileSystem
{
public:
    explicit DyingFileSystem(int renames) : m_left(renames) {}
    int renameNoReplace(const QByteArray &from, const QByteArray &to) override
    {
        const int result = NativeFileSystem::renameNoReplace(from, to);
        if (--m_left == 0)
            ::raise(SIGKILL);
        return result;
    }

private:
    int m_left;
};

class JournalCliTest : public ::testing::Test
{
protected:
    QString journalFolder() const { return data.path() + QStringLiteral("/marlune/journal"); }

    // A rename pass of the files, as marlune-cli rename runs it, in a child process
    // that is killed after the given number of renames.
    void renameAndDie(const QList<QByteArray> &names, int renames)
    {
        QList<RenamePlan::Source> sources;
        for (const QByteArray &name : names)
            sources.append(RenamePlan::sourceOf(files.writeNative(name), NameDecoder()));
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            FixedCountSource counts(1);
            RenamePlan plan = RenamePlan::build(sources, NamingMode::Format, counts);
            plan.selectAll();
            RenameJournal journal(journalFolder());
            DyingFileSystem fs(renames);
            applyJournaled(plan, &journal, fs);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }

    QStringList cli(const QStringList &args, int &status)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MARLUNE_CLI_PATH), args);
        EXPECT_TRUE(p.waitForFinished(20000));
        status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return {QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    TempDir files;
    TempDir data;
};

TEST_F(JournalCliTest, UndoAfterAKillMidPassRestoresEveryRenamedFile)
{
    // One batch of records reaches the journal; the rename after it is found by its file.
    QList<QByteArray> names;
    for (int i = 0; i < RenameJournal::kRecordBatch + 2; ++i)
        names << QByteArray("a_b ") + QByteArray::number(1000 + i) + ".mp3";
    renameAndDie(names, RenameJournal::kRecordBatch + 1);
    EXPECT_EQ(files.nativeEntries().first(), QByteArray("(A) B 1000.mp3"));
    EXPECT_EQ(files.nativeEntries().last(), names.last());

    int status = -1;
    // The rename it had no time to record counts too: its file is found under the new name.
    EXPECT_EQ(cli({QStringLiteral("history")}, status).first().section(u' ', 3),
              QStringLiteral(" %1 renamed  interrupted  %2/\n").arg(RenameJournal::kRecordBatch + 1).arg(files.path()));
    const QStringList dry = cli({QStringLiteral("undo"), QStringLiteral("--dry-run")}, status);
    EXPECT_EQ(dry.first().count(u'\n'), RenameJournal::kRecordBatch + 1);
    EXPECT_TRUE(dry.first().startsWith(QStringLiteral("(A) B 1128.mp3 -> a_b 1128.mp3\n(A) B 1127.mp3 -> a_b 1127.mp3\n")));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(files.nativeEntries().first(), QByteArray("(A) B 1000.mp3")) << "a dry run renames nothing";

    const QStringList undone = cli({QStringLiteral("undo")}, status);
    EXPECT_EQ(undone.first(), dry.first());
    EXPECT_EQ(undone.last(), QString());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(files.nativeEntries(), names);

    EXPECT_TRUE(cli({QStringLiteral("history"), QStringLiteral("--json")}, status).first().contains(QStringLiteral("\"undone\": true")));
    EXPECT_TRUE(cli({QStringLiteral("undo")}, status).last().contains(QStringLiteral("There is no rename to undo.")));
    EXPECT_EQ(status, 1);
}

// Thousands of files: the command's heap is set up for a batch, its intent goes out in
// several writes, and identities come from the folder's listing.
TEST_F(JournalCliTest, ABatchOfThousandsIsRenamedAndUndoneWhole)
{
    QStringList args{QStringLiteral("rename"), QStringLiteral("--words=1"), QStringLiteral("--")};
    QList<QByteArray> names;
    for (int i = 0; i < 1500; ++i) {
        names << "the_owls blue sky take " + QByteArray::number(10000 + i) + ".mp3";
        args << QString::fromUtf8(files.writeNative(names.constLast()));
    }
    int status = -1;
    cli(args, status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(files.nativeEntries().constLast(), QByteArray("(The) Owls Blue Sky Take 11499.mp3"));
    EXPECT_TRUE(cli({QStringLiteral("history")}, status).first().contains(QStringLiteral(" 1500 renamed  done")));

    cli({QStringLiteral("undo")}, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(files.nativeEntries(), names);
}

TEST_F(JournalCliTest, UndoReportsAFileChangedSinceAndExitsOne)
{
    files.writeNative("x_y.mp3");
    files.writeNative("z_w.mp3");
    int status = -1;
    cli({QStringLiteral("rename"), QStringLiteral("--words=1"), files.filePath(QStringLiteral("x_y.mp3")),
         files.filePath(QStringLiteral("z_w.mp3"))},
        status);
    ASSERT_EQ(status, 0);
    files.writeNative("(Z) W.mp3", "edited since");
    const QStringList undone = cli({QStringLiteral("undo"), QStringLiteral("1")}, status);
    EXPECT_EQ(undone.first(), QStringLiteral("(X) Y.mp3 -> x_y.mp3\n"));
    EXPECT_EQ(undone.last(), QStringLiteral("marlune-cli: (Z) W.mp3: changed since it was renamed; left as it is\n"));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(files.nativeEntries(), (QList<QByteArray>{"(Z) W.mp3", "x_y.mp3"}));
}

} // namespace
