// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyFileSystem.h"
#include "JournaledApply.h"
#include "RenameJournal.h"
#include "TempDir.h"
#include "UndoPass.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The journal with its flushes logged beside the renames, and a disk that can fill up.
class WatchedJournal : public RenameJournal
{
public:
    WatchedJournal(const QString &folder, QStringList &log) : RenameJournal(folder), m_log(log) {}
    bool diskFull = false;
    int writesBeforeFull = -1; // the disk fills up after this many writes, where not negative

protected:
    bool writeBytes(QFile &file, const QByteArray &bytes) override
    {
        if (writesBeforeFull == 0)
            return false;
        if (writesBeforeFull > 0)
            --writesBeforeFull;
        return !diskFull && RenameJournal::writeBytes(file, bytes);
    }
    bool syncFile(QFile &file) override
    {
        m_log << QStringLiteral("sync");
        return RenameJournal::syncFile(file);
    }

private:
    QStringList &m_log;
};

class RenameJournalTest : public ::testing::Test
{
protected:
    // A capitalising plan of the named files, made in folder (files unless given), all
    // selected; paths gets their paths.
    RenamePlan planOf(const QList<QByteArray> &names, TempDir *folder = nullptr, QList<QByteArray> *paths = nullptr)
    {
        QList<RenamePlan::Source> sources;
        for (const QByteArray &name : names) {
            const QByteArray path = (folder ? *folder : files).writeNative(name, name);
            sources.append(RenamePlan::sourceOf(path, NameDecoder()));
            if (paths)
                paths->append(path);
        }
        FixedCountSource counts(std::nullopt);
        RenamePlan plan = RenamePlan::build(sources, NamingMode::Capitalize, counts);
        plan.selectAll();
        return plan;
    }
    JournalPass lastPass()
    {
        QString problem;
        const std::optional<JournalPass> pass = journal.readPass(journal.passNumbers().constLast(), problem);
        EXPECT_TRUE(pass) << problem.toStdString();
        return pass.value_or(JournalPass{});
    }

    TempDir files;
    TempDir data;
    FaultyFileSystem fs;
    WatchedJournal journal{data.path(), fs.log};
};

TEST_F(RenameJournalTest, FlushesTheIntentBeforeTheFirstRenameAndKeepsEveryByte)
{
    files.writeNative("Taken.mp3");
    RenamePlan plan = planOf({"\xe9t\xe9 %41\tone.mp3", "taken.mp3", "two.mp3"});
    const JournaledOutcome outcome = applyJournaled(plan, &journal, fs);
    ASSERT_TRUE(outcome.refused.isEmpty());
    EXPECT_EQ(fs.log.first(), QStringLiteral("sync"));
    EXPECT_EQ(fs.log.count(QStringLiteral("sync")), 1) << "one flush a pass";

    const JournalPass pass = lastPass();
    ASSERT_EQ(pass.entries.size(), 3);
    EXPECT_EQ(pass.entries[0].oldName, QByteArray("\xe9t\xe9 %41\tone.mp3"));
    EXPECT_EQ(pass.entries[0].newName, QByteArray("\xc3\x89t\xc3\xa9 %41\tone.mp3"));
    EXPECT_EQ(pass.entries[0].dir, files.nativePath() + '/');
    EXPECT_EQ(FileIdentity::of(files.nativePath() + "/Two.mp3"), pass.entries[2].identity);
    EXPECT_EQ((QList<bool>{pass.entries[0].renamed, pass.entries[1].renamed, pass.entries[2].renamed}),
              (QList<bool>{true, false, true}));
    EXPECT_TRUE(pass.ended);
    EXPECT_FALSE(pass.undone);
}

TEST_F(RenameJournalTest, AFullDiskOrAnotherProgramStopsThePassBeforeAnyRename)
{
    RenamePlan plan = planOf({"one.mp3"});
    journal.diskFull = true;
    EXPECT_NE(applyJournaled(plan, &journal, fs).refused, QString());
    EXPECT_TRUE(journal.passNumbers().isEmpty()) << "half an intent is removed";
    journal.diskFull = false;
    // What a program killed while writing its intent leaves: no pass, and gone at the next.
    data.write(QStringLiteral("pass-000001.txt.part"), "marlune-rename-journal\t1\npa");
    EXPECT_TRUE(journal.passNumbers().isEmpty());

    RenameJournal other(data.path());
    ASSERT_EQ(other.lock(), QString());
    EXPECT_TRUE(applyJournaled(plan, &journal, fs).refused.contains(QStringLiteral("Another Marlune")));
    UndoPass undo(journal, fs);
    EXPECT_TRUE(undo.prepare().contains(QStringLiteral("Another Marlune")));
    EXPECT_EQ(files.nativeEntries(), QList<QByteArray>{"one.mp3"});
    other.unlock();

    EXPECT_EQ(applyJournaled(plan, &journal, fs).refused, QString()) << "both held locks were given back";
    EXPECT_EQ(files.nativeEntries(), QList<QByteArray>{"One.mp3"});
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("pass-000001.txt.part"))));
    EXPECT_EQ(journal.passNumbers(), QList<int>{1});
}

// A big pass's intent goes out in several writes; the disk filling up after the first
// must still leave no pass and rename nothing.
TEST_F(RenameJournalTest, AnIntentOfManyWritesIsWholeOrNotThereAtAll)
{
    QList<QByteArray> names;
    for (int i = 0; i < 2500; ++i)
        names.append("a long name of a song from an old collection, number " + QByteArray::number(i) + ".mp3");
    RenamePlan plan = planOf(names);
    journal.writesBeforeFull = 1;
    EXPECT_NE(applyJournaled(plan, &journal, fs).refused, QString());
    EXPECT_TRUE(journal.passNumbers().isEmpty());
    EXPECT_TRUE(data.entries().isEmpty()) << "no part of the intent is left";
    EXPECT_TRUE(files.nativeEntries().contains(names.constLast())) << "nothing was renamed";

    journal.writesBeforeFull = -1;
    ASSERT_EQ(applyJournaled(plan, &journal, fs).refused, QString());
    const JournalPass pass = lastPass();
    ASSERT_EQ(pass.entries.size(), names.size());
    EXPECT_EQ(pass.entries.constLast().oldName, names.constLast());
    EXPECT_EQ(pass.entries.constLast().newName, "A Long Name Of A Song From An Old Collection, Number 2499.mp3");
    EXPECT_EQ(pass.renamedCount(), names.size());
}

TEST_F(RenameJournalTest, KeepsTheLastHundredPasses)
{
    // What is no pass neither numbers one nor goes with the old ones.
    data.write(QStringLiteral("pass-x.txt"), "");
    data.write(QStringLiteral("notes.txt"), "");
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("pass-000500.txt")));
    for (int i = 0; i < RenameJournal::kKeptPasses + 2; ++i) {
        ASSERT_EQ(journal.beginPass({}), QString());
        journal.endPass();
    }
    const QList<int> numbers = journal.passNumbers();
    EXPECT_EQ(numbers.size(), RenameJournal::kKeptPasses);
    EXPECT_EQ(numbers.first(), 3);
    EXPECT_EQ(numbers.last(), RenameJournal::kKeptPasses + 2);
    for (const char *other : {"pass-x.txt", "notes.txt", "pass-000500.txt"})
        EXPECT_TRUE(QFileInfo::exists(data.filePath(QString::fromLatin1(other)))) << other;
}

TEST_F(RenameJournalTest, UndoesNewestFirstAndSkipsChangedGoneAndTakenFiles)
{
    RenamePlan plan = planOf({"kept a.mp3", "kept b.mp3", "edited.mp3", "deleted.mp3", "shadowed.mp3"});
    applyJournaled(plan, &journal, fs);
    files.writeNative("Edited.mp3", "more bytes than before");
    QFile::remove(files.filePath(QStringLiteral("Deleted.mp3")));
    files.writeNative("shadowed.mp3", "a new file under the old name");

    UndoPass undo(journal, fs);
    ASSERT_EQ(undo.prepare(), QString());
    using S = UndoPass::Step::State;
    QList<QByteArray> order;
    QList<S> states;
    for (const UndoPass::Step &step : undo.steps()) {
        order << step.from;
        states << step.state;
    }
    EXPECT_EQ(order, (QList<QByteArray>{"Shadowed.mp3", "Deleted.mp3", "Edited.mp3", "Kept B.mp3", "Kept A.mp3"}));
    EXPECT_EQ(states, (QList<S>{S::Taken, S::Gone, S::Changed, S::Due, S::Due}));
    EXPECT_EQ(undo.run(), QString());
    EXPECT_EQ(files.nativeEntries(),
              (QList<QByteArray>{"Edited.mp3", "Shadowed.mp3", "kept a.mp3", "kept b.mp3", "shadowed.mp3"}));

    const JournalPass pass = lastPass();
    EXPECT_TRUE(pass.undone);
    EXPECT_TRUE(pass.entries[0].undone);
    EXPECT_FALSE(pass.entries[2].undone);
    EXPECT_FALSE(UndoPass::hasUndoable(journal));
    EXPECT_NE(UndoPass(journal, fs).prepare(), QString()) << "nothing is undone twice";
}

// A batch's pass takes identities from the folder's listing, with no size or time: the
// journal keeps them unknown, and undo tells a file modified after the pass or put in
// its place by the time alone, also for a pass cut off before its records.
TEST_F(RenameJournalTest, UndoTellsChangedFilesOfAPassJournaledFromAListing)
{
    for (const bool cutOff : {false, true}) {
        SCOPED_TRACE(cutOff ? "cut-off pass" : "ended pass");
        TempDir folder;
        QList<QByteArray> paths;
        RenamePlan plan = planOf({"kept.mp3", "modified.mp3", "replaced.mp3", "other.mp3"}, &folder, &paths);
        FolderKinds kinds = FolderKinds::ofPaths(paths, fs);
        ASSERT_EQ(applyJournaled(plan, &journal, fs, &kinds).refused, QString());

        JournalPass pass = lastPass();
        ASSERT_EQ(pass.entries.size(), 4);
        const std::optional<FileIdentity> stat = FileIdentity::of(folder.nativePath() + "/Kept.mp3");
        // Where the listing cannot be trusted (an overlay), a stat per file stands in.
        EXPECT_EQ(pass.entries[0].identity, fs.listedDevice(folder.nativePath() + '/')
                                                ? FileIdentity::listed(stat->device, stat->inode)
                                                : *stat);
        if (cutOff) { // a crash before the first records
            QFile file(journal.passPath(pass.number));
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.resize(file.readAll().indexOf("intent\n") + 7));
        }
        const auto date = [&](const char *name, int seconds) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            return file.open(QIODevice::ReadWrite)
                && file.setFileTime(pass.time.addSecs(seconds), QFileDevice::FileModificationTime);
        };
        ASSERT_TRUE(date("Modified.mp3", 1));
        // Made while the renamed file still exists, so it cannot get its inode, and
        // dated before the pass, so only the inode tells.
        folder.writeNative("replacement", "another file");
        ASSERT_TRUE(date("replacement", -1));
        ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("Replaced.mp3"))));
        ASSERT_TRUE(QFile::rename(folder.filePath(QStringLiteral("replacement")), folder.filePath(QStringLiteral("Replaced.mp3"))));

        UndoPass undo(journal, fs);
        ASSERT_EQ(undo.prepare(), QString());
        using S = UndoPass::Step::State;
        QList<S> states;
        for (const UndoPass::Step &step : undo.steps())
            states << step.state;
        // A cut-off pass's unrecorded entries count only where the renamed file is found.
        const QList<S> expected = cutOff ? QList<S>{S::Due, S::Due} : QList<S>{S::Due, S::Changed, S::Changed, S::Due};
        EXPECT_EQ(states, expected);
        EXPECT_EQ(undo.run(), QString());
        EXPECT_EQ(folder.nativeEntries(), (QList<QByteArray>{"Modified.mp3", "Replaced.mp3", "kept.mp3", "other.mp3"}));
    }
}

// What history reports: the records of a pass that ended; for one cut off, also the
// unrecorded entries whose file is found under its new name unchanged; for one undone
// since, also what the undo recorded.
TEST_F(RenameJournalTest, RenamesMadeCountsWhatTheFilesShowForACutOffPass)
{
    const QByteArray dir = files.nativePath() + '/';
    files.writeNative("B.mp3");
    files.writeNative("C.mp3");
    JournalPass pass;
    pass.time = QDateTime::currentDateTimeUtc().addSecs(60);
    const auto entry = [&](const QByteArray &newName, bool renamed, bool undone) {
        return JournalEntry{dir, newName.toLower(), newName, FileIdentity::of(dir + newName).value_or(FileIdentity{}),
                            renamed, undone};
    };
    // D.mp3 was never made: that rename did not take place.
    pass.entries = {entry("A.mp3", true, false), entry("B.mp3", false, false), entry("C.mp3", false, true),
                    entry("D.mp3", false, false)};

    pass.ended = true;
    EXPECT_EQ(UndoPass::renamesMade(pass, fs), 2) << "records only";
    pass.ended = false;
    EXPECT_EQ(UndoPass::renamesMade(pass, fs), 3) << "and the file found under its new name";
    pass.undone = true;
    EXPECT_EQ(UndoPass::renamesMade(pass, fs), 2) << "an undone pass: its records and the undo's";
}

// A pass file as a crash, a stray edit or a later version left it.
// A stick plugged in again numbers its files anew on FAT and exFAT: the renamed file
// comes back with another inode but its size and time. Where inodes do not last it is
// still the file renamed; where they last a new inode is another file.
TEST_F(RenameJournalTest, AFileNumberedAnewIsTheSameFileWhereInodesDoNotLast)
{
    // Whole seconds, which a file's time keeps exactly on every file system.
    const QDateTime time = QDateTime::fromSecsSinceEpoch(1767225600);
    const auto write = [&](const QByteArray &name) {
        files.writeNative(name, "song.mp3");
        QFile file(files.filePath(QString::fromUtf8(name)));
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    RenamePlan plan = planOf({"song.mp3"});
    ASSERT_TRUE(write("song.mp3"));
    ASSERT_EQ(applyJournaled(plan, &journal, fs).refused, QString());
    // Made while the old one still holds its number, so the copy's differs.
    ASSERT_TRUE(write("copy"));
    QFile::remove(files.filePath(QStringLiteral("Song.mp3")));
    ASSERT_TRUE(QFile::rename(files.filePath(QStringLiteral("copy")), files.filePath(QStringLiteral("Song.mp3"))));

    using S = UndoPass::Step::State;
    for (const bool lasting : {true, false}) {
        fs.inodesLast = lasting;
        UndoPass undo(journal, fs);
        ASSERT_EQ(undo.prepare(), QString());
        ASSERT_EQ(undo.steps().size(), 1);
        EXPECT_EQ(undo.steps().first().state, lasting ? S::Changed : S::Due) << lasting;
    }
    UndoPass undo(journal, fs);
    ASSERT_EQ(undo.prepare(), QString());
    EXPECT_EQ(undo.run(), QString());
    EXPECT_EQ(files.nativeEntries(), QList<QByteArray>{"song.mp3"});
}

// Names are scanned eight bytes at a time: a byte to encode must be found wherever it
// stands in a word, and bytes above 0x7F (legacy names, UTF-8) are kept as they are.
TEST(JournalField, EncodesControlBytesDelAndPercentWhereverTheyStand)
{
    for (const char special : {'\x01', '\t', '\n', '\x1f', '\x7f', '%'}) {
        for (int at = 0; at < 19; ++at) {
            QByteArray name(19, 'a');
            name[7] = '\x80';
            name[15] = '\xff';
            name[at] = special;
            QByteArray expected = name;
            expected.replace(at, 1, "%" + QByteArray(1, special).toHex().toUpper());
            ASSERT_EQ(journalField(name), expected) << int(special) << " at " << at;
            ASSERT_EQ(journalBytes(journalField(name)), name);
        }
    }
}

struct JournalText
{
    const char *text;
    const char *refusal; // part of the message, or nullptr when it is read
    int renamed;         // entries taken as renamed when read
};

class DamagedJournal : public RenameJournalTest, public ::testing::WithParamInterface<JournalText> {};

TEST_P(DamagedJournal, IsReadUpToACrashAndRefusedOtherwise)
{
    const JournalText &c = GetParam();
    const QByteArray dir = journalField(files.nativePath() + '/');
    files.writeNative("A.mp3");
    data.write(QStringLiteral("pass-000001.txt"), QByteArray(c.text).replace(' ', '\t').replace("DIR", dir));

    QString problem;
    const std::optional<JournalPass> pass = journal.readPass(1, problem);
    UndoPass undo(journal, fs);
    const QString undoProblem = undo.prepare();
    if (c.refusal) {
        EXPECT_FALSE(pass);
        EXPECT_TRUE(problem.contains(QString::fromLatin1(c.refusal))) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QStringLiteral("pass-000001.txt")));
        EXPECT_EQ(undoProblem, problem);
        EXPECT_EQ(files.nativeEntries(), QList<QByteArray>{"A.mp3"});
        return;
    }
    ASSERT_TRUE(pass) << problem.toStdString();
    EXPECT_TRUE(pass->interrupted());
    EXPECT_EQ(pass->renamedCount(), c.renamed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DamagedJournal,
    ::testing::Values(JournalText{"marlune-journal 2\nwhatever comes next\n", "newer Marlune (journal version 2)", 0},
                      JournalText{"marlune-journal 1\npass 1 2026-01-02T03:04:05.006Z 1\nd DIR\ne a.mp3\nintent\n",
                                  "line 4", 0},
                      JournalText{"MP3 list\n", "line 1", 0},
                      JournalText{"marlune-journal 1\npass 1 2026-01-02T03:04:05.006Z 1\nd DIR\ne a.mp3 A.mp3 1 2 0 3\n"
                                  "intent\nr 7\nend\n",
                                  "line 6", 0},
                      // Cut off while a record was appended.
                      JournalText{"marlune-journal 1\npass 1 2026-01-02T03:04:05.006Z 1\nd DIR\ne a.mp3 A.mp3 1 2 0 3\n"
                                  "intent\nr 0\nen",
                                  nullptr, 1},
                      // Cut off while the intent was written: nothing was renamed yet.
                      JournalText{"marlune-journal 1\npass 1 2026-01-02T03:04:05.006Z 1\nd DIR\ne a.mp3 A.m", nullptr, 0}));

} // namespace
