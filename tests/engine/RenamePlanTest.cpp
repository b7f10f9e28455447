// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyFileSystem.h"
#include "NameNormaliser.h"
#include "RenamePlan.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using State = PlanEntry::State;

// Hands out scripted counts in order, nullopt standing for a cancelled prompt.
class ListCountSource : public CountSource
{
public:
    explicit ListCountSource(QList<std::optional<int>> counts) : m_counts(std::move(counts)) {}
    std::optional<int> wordCount(const QString &, const QString &) override
    {
        return m_counts.isEmpty() ? std::nullopt : m_counts.takeFirst();
    }

private:
    QList<std::optional<int>> m_counts;
};

QList<RenamePlan::Source> sourcesIn(const TempDir &dir, const QStringList &names)
{
    QList<RenamePlan::Source> sources;
    for (const QString &name : names) {
        dir.write(name, name.toUtf8());
        sources.append({NativeName::fromText(dir.path() + u'/'), NativeName::fromText(name)});
    }
    return sources;
}

TEST(RenamePlan, KeepsEachProposalsCountInStoreOrderAndGetsThemBack)
{
    TempDir dir;
    ListCountSource counts({1, std::nullopt, 2});
    RenamePlan plan = RenamePlan::build(sourcesIn(dir, {QStringLiteral("a b c.mp3"), QStringLiteral("d e.mp3"),
                                                        QStringLiteral("f g h.mp3")}),
                                        NamingMode::Format, counts);
    ASSERT_EQ(plan.size(), 3);
    EXPECT_EQ(plan.entries()[0].proposal, QStringLiteral("(A) B C.mp3"));
    EXPECT_EQ(plan.entries()[1].state, State::Empty);
    EXPECT_EQ(plan.entries()[1].proposal, emptyProposal());
    EXPECT_EQ(plan.entries()[2].state, State::Proposed);
    EXPECT_EQ(plan.counts(), (QList<std::optional<int>>{1, 2}));
    for (const PlanEntry &entry : plan.entries())
        EXPECT_FALSE(entry.selected);

    // Counts read back short: the entry past the end has none, so its target no longer
    // follows from its proposal.
    plan.setCounts({1});
    EXPECT_EQ(plan.entries()[2].count, std::nullopt);
    EXPECT_EQ(RenamePlan::target(plan.entries()[0]), plan.entries()[0].proposal);
    EXPECT_NE(RenamePlan::target(plan.entries()[2]), plan.entries()[2].proposal);
}

TEST(RenamePlan, ApplyRenamesEachSelectedProposalOnceAndReportsEveryOutcome)
{
    TempDir dir;
    dir.write(QStringLiteral("(X) Y.mp3"), "taken");
    const QStringList names{QStringLiteral("x y.mp3"), QStringLiteral("nothing.mp3"), QStringLiteral("z w.mp3"),
                            QStringLiteral("p q r.mp3"), QStringLiteral("m n.mp3")};
    ListCountSource counts({1, std::nullopt, 1, 1, 1});
    RenamePlan plan = RenamePlan::build(sourcesIn(dir, names), NamingMode::Format, counts);
    plan.selectAll();
    plan.setSelected(2, false);
    plan.setCounts({1, 1, 2, 1}); // the fourth file's count changed since its proposal
    FaultyFileSystem fs;
    QList<qsizetype> seen;
    const QList<PlanResult> results = applyPlan(plan, fs, [&](const PlanResult &r) { seen.append(r.entry); });

    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(seen, (QList<qsizetype>{0, 3, 4}));
    EXPECT_EQ(results[0].state, State::Failed);
    EXPECT_EQ(results[0].rename.failure, RenameFailure::TargetExists);
    EXPECT_EQ(results[0].rename.error.number, 58);
    EXPECT_EQ(results[1].state, State::Changed);
    EXPECT_EQ(results[2].state, State::Renamed);
    EXPECT_EQ(plan.entries()[1].state, State::Empty);
    EXPECT_EQ(plan.entries()[2].state, State::Proposed);
    EXPECT_EQ(plan.entries()[4].state, State::Renamed);
    EXPECT_EQ(dir.entries(), (QStringList{QStringLiteral("(M) N.mp3"), QStringLiteral("(X) Y.mp3"),
                                          QStringLiteral("nothing.mp3"), QStringLiteral("p q r.mp3"),
                                          QStringLiteral("x y.mp3"), QStringLiteral("z w.mp3")}));
    EXPECT_EQ(dir.read(QStringLiteral("(X) Y.mp3")), "taken");

    // Done entries are not done again.
    fs.log.clear();
    EXPECT_TRUE(applyPlan(plan, fs).isEmpty());
    EXPECT_TRUE(fs.log.isEmpty());
}

// Counts the questions asked about single names, which a batch should not need.
class CountingFileSystem : public FaultyFileSystem
{
public:
    Kind kind(const QByteArray &path) override
    {
        ++kinds;
        return FaultyFileSystem::kind(path);
    }
    bool listInto(const QByteArray &folder, FolderIndex &entries) override
    {
        ++listings;
        return FaultyFileSystem::listInto(folder, entries);
    }
    int kinds = 0;
    int listings = 0;
};

// One reading of the folder tells the files from the rest; then each file costs its
// rename alone, and a name that is no regular file is still refused, with its reason.
TEST(RenamePlan, ApplyReadsTheFolderOnceAndRenamesEachFileWithOneCall)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder x.mp3")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path() + QStringLiteral("/pipe x.mp3")).constData(), 0644), 0);
    QList<RenamePlan::Source> sources = sourcesIn(dir, {QStringLiteral("a b.mp3"), QStringLiteral("c d.mp3"),
                                                        QStringLiteral("e f.mp3")});
    for (const char *name : {"folder x.mp3", "pipe x.mp3"})
        sources.append({NativeName::fromText(dir.path() + u'/'), NativeName::fromText(QString::fromUtf8(name))});
    FixedCountSource counts(1);
    RenamePlan plan = RenamePlan::build(sources, NamingMode::Format, counts);
    plan.selectAll();
    CountingFileSystem fs;
    const QList<PlanResult> results = applyPlan(plan, fs);

    EXPECT_EQ(fs.listings, 1);
    EXPECT_EQ(fs.kinds, 0);
    EXPECT_EQ(fs.log.size(), 3) << fs.log.join(u'\n').toStdString();
    ASSERT_EQ(results.size(), 5);
    EXPECT_EQ(results[3].rename.error.number, EISDIR);
    EXPECT_EQ(results[4].rename.error.number, ENODEV);
    EXPECT_EQ(dir.entries(), (QStringList{QStringLiteral("(A) B.mp3"), QStringLiteral("(C) D.mp3"),
                                          QStringLiteral("(E) F.mp3"), QStringLiteral("folder x.mp3"),
                                          QStringLiteral("pipe x.mp3")}));
}

} // namespace
