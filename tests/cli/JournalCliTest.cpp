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
    renameAndDie({"a_b one.mp3", "c_d two.mp3", "e_f three.mp3", "g_h four.mp3", "i_j five.mp3"}, 3);
    EXPECT_EQ(files.nativeEntries(),
              (QList<QByteArray>{"(A) B One.mp3", "(C) D Two.mp3", "(E) F Three.mp3", "g_h four.mp3", "i_j five.mp3"}));

    int status = -1;
    EXPECT_EQ(cli({QStringLiteral("history")}, status).first().section(u' ', 3),
              QStringLiteral(" 2 renamed  interrupted  %1/\n").arg(files.path()));
    const QStringList dry = cli({QStringLiteral("undo"), QStringLiteral("--dry-run")}, status);
    EXPECT_EQ(dry.first(), QStringLiteral("(E) F Three.mp3 -> e_f three.mp3\n(C) D Two.mp3 -> c_d two.mp3\n"
                                          "(A) B One.mp3 -> a_b one.mp3\n"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(files.nativeEntries().first(), QByteArray("(A) B One.mp3")) << "a dry run renames nothing";

    const QStringList undone = cli({QStringLiteral("undo")}, status);
    EXPECT_EQ(undone.first(), dry.first());
    EXPECT_EQ(undone.last(), QString());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(files.nativeEntries(),
              (QList<QByteArray>{"a_b one.mp3", "c_d two.mp3", "e_f three.mp3", "g_h four.mp3", "i_j five.mp3"}));

    EXPECT_TRUE(cli({QStringLiteral("history"), QStringLiteral("--json")}, status).first().contains(QStringLiteral("\"undone\": true")));
    EXPECT_TRUE(cli({QStringLiteral("undo")}, status).last().contains(QStringLiteral("There is no rename to undo.")));
    EXPECT_EQ(status, 1);
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
