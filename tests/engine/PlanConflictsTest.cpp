// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NativeFileSystem.h"
#include "PlanConflicts.h"

#include <gtest/gtest.h>

namespace {

// One folder held in memory that respects letter case or ignores it as exFAT does; it
// counts listings and probes, which the check must keep to one each.
class ListedFileSystem : public NativeFileSystem
{
public:
    ListedFileSystem(QStringList names, bool ignoresCase) : m_names(std::move(names)), m_ignoresCase(ignoresCase) {}

    bool listInto(const QByteArray &, FolderIndex &entries) override
    {
        ++lists;
        for (const QString &name : std::as_const(m_names)) {
            const QByteArray bytes = name.toUtf8();
            entries.add({bytes.constData(), size_t(bytes.size())}, Kind::File);
        }
        return true;
    }
    bool exists(const QByteArray &path) override
    {
        ++probes;
        return m_names.contains(QString::fromUtf8(path).section(u'/', -1),
                                m_ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    }

    int lists = 0;
    int probes = 0;

private:
    QStringList m_names;
    bool m_ignoresCase;
};

class ListCountSource : public CountSource
{
public:
    explicit ListCountSource(QList<int> counts) : m_counts(std::move(counts)) {}
    std::optional<int> wordCount(const QString &, const QString &) override { return m_counts.takeFirst(); }

private:
    QList<int> m_counts;
};

struct Row
{
    const char *what;
    QStringList others; // listed beside the entries' own names
    bool ignoresCase;
    QList<std::pair<QString, int>> entries; // present name, word count (0: Empty)
    QStringList expected;                   // each entry's reason, empty for none
};

class PlanConflictsTest : public ::testing::TestWithParam<Row> {};

TEST_P(PlanConflictsTest, ReasonsFromOneListing)
{
    const Row &row = GetParam();
    QStringList listed = row.others;
    QList<RenamePlan::Source> sources;
    QList<int> counts;
    for (const auto &[name, count] : row.entries) {
        listed << name;
        sources.append({NativeName::fromText(QStringLiteral("/m/")), NativeName::fromText(name)});
        counts << count;
    }
    ListedFileSystem fs(listed, row.ignoresCase);
    ListCountSource source(counts);
    RenamePlan plan = RenamePlan::build(sources, NamingMode::Format, source);
    FolderKinds kinds(QList<QByteArray>(sources.size(), "/m/"), fs);
    PlanConflicts(kinds, fs).mark(plan);

    QStringList reasons;
    for (const PlanEntry &entry : plan.entries())
        reasons << entry.conflict.text();
    EXPECT_EQ(reasons, row.expected) << row.what;
    EXPECT_EQ(fs.lists, 1) << row.what;
    EXPECT_LE(fs.probes, 1) << row.what;
}

const auto s = [](const char *text) { return QString::fromUtf8(text); };
const QString none;

INSTANTIATE_TEST_SUITE_P(
    Rows, PlanConflictsTest,
    ::testing::Values(
        Row{"taken by another file", {s("(A) B.mp3")}, false, {{s("a_b.mp3"), 1}}, {s("already exists")}},
        Row{"one target for two, a third free", {}, false, {{s("a_b.mp3"), 1}, {s("a-b.mp3"), 1}, {s("c_d.mp3"), 1}},
            {s("also proposed for a-b.mp3"), s("also proposed for a_b.mp3"), none}},
        Row{"two want a taken name", {s("(A) B.mp3")}, false, {{s("a_b.mp3"), 1}, {s("a-b.mp3"), 1}},
            {s("already exists"), s("already exists")}},
        Row{"chain", {}, false, {{s("a_b.mp3"), 1}, {s("(A) B.mp3"), 2}}, {s("is the current name of (A) B.mp3"), none}},
        Row{"swap", {}, false, {{s("(A B) C.mp3"), 1}, {s("(A) B C.mp3"), 2}},
            {s("is the current name of (A) B C.mp3"), s("is the current name of (A B) C.mp3")}},
        Row{"an Empty entry keeps its name", {}, false, {{s("(A) B.mp3"), 0}, {s("a_b.mp3"), 1}},
            {none, s("is the current name of (A) B.mp3")}},
        Row{"own case-only change", {s("x.mp3")}, false, {{s("(a) b.mp3"), 1}}, {none}},
        Row{"own case-only change, case ignored", {s("x.mp3")}, true, {{s("(a) b.mp3"), 1}}, {none}},
        Row{"another file's other spelling, case ignored", {s("(a) B.MP3")}, true, {{s("a_b.mp3"), 1}},
            {s("already exists")}},
        Row{"another file's other spelling, case counts", {s("(a) B.MP3")}, false, {{s("a_b.mp3"), 1}}, {none}},
        Row{"another entry's other spelling, case ignored", {}, true, {{s("a_b.mp3"), 1}, {s("(a) B.MP3"), 2}},
            {s("is the current name of (a) B.MP3"), none}}));

} // namespace
