#include "FaultyFileSystem.h"
#include "NameNormaliser.h"
#include "RenamePlan.h"
#include "TempDir.h"

#include <gtest/gtest.h>

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

} // namespace
