// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PlanConflicts.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// One folder held in memory, that either respects letter case or ignores it the way
// exFAT does; it counts listings and probes, which the check must keep to one each.
class ListedFileSystem : public FileSystem
{
public:
    ListedFileSystem(QStringList names, bool ignoresCase) : m_names(std::move(names)), m_ignoresCase(ignoresCase) {}

    bool list(const QByteArray &, Listing &entries) override
    {
        ++lists;
        for (const QString &name : std::as_const(m_names))
            entries.insert(name.toUtf8(), Kind::File);
        return true;
    }
    bool exists(const QByteArray &path) override
    {
        ++probes;
        const QString name = QString::fromUtf8(path).section(u'/', -1);
        return m_names.contains(name, m_ignoresCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    }
    int renameNoReplace(const QByteArray &, const QByteArray &) override { return -1; }
    int hardLink(const QByteArray &, const QByteArray &) override { return -1; }
    int removeFile(const QByteArray &) override { return -1; }
    int renameReplacing(const QByteArray &, const QByteArray &) override { return -1; }
    bool sameFile(const QByteArray &, const QByteArray &) override { return false; }
    Kind kind(const QByteArray &path) override { return exists(path) ? Kind::File : Kind::Missing; }
    bool listsName(const QByteArray &, const QByteArray &) override { return true; }
    QString describe(int) const override { return {}; }

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
    QStringList others;  // listed beside the entries' own names
    bool ignoresCase;
    QList<std::pair<QString, int>> entries; // present name, word count (0: Empty)
    QStringList expected; // each entry's reason, empty for none
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

INSTANTIATE_TEST_SUITE_P(
    Rows, PlanConflictsTest,
    ::testing::Values(
        Row{"target taken by another file", {s("(A) B.mp3")}, false, {{s("a_b.mp3"), 1}}, {s("already exists")}},
        Row{"free target", {s("(A) B C.mp3")}, false, {{s("a_b.mp3"), 1}}, {QString()}},
        Row{"two entries, one target",
            {},
            false,
            {{s("a_b.mp3"), 1}, {s("a-b.mp3"), 1}, {s("c_d.mp3"), 1}},
            {s("also proposed for a-b.mp3"), s("also proposed for a_b.mp3"), QString()}},
        Row{"two entries want a name that is taken",
            {s("(A) B.mp3")},
            false,
            {{s("a_b.mp3"), 1}, {s("a-b.mp3"), 1}},
            {s("already exists"), s("already exists")}},
        Row{"chain: the target is a later entry's name, which moves on",
            {},
            false,
            {{s("a_b.mp3"), 1}, {s("(A) B.mp3"), 2}},
            {s("is the current name of (A) B.mp3"), QString()}},
        Row{"swap",
            {},
            false,
            {{s("(A B) C.mp3"), 1}, {s("(A) B C.mp3"), 2}},
            {s("is the current name of (A) B C.mp3"), s("is the current name of (A B) C.mp3")}},
        Row{"an Empty entry keeps its name", {}, false, {{s("(A) B.mp3"), 0}, {s("a_b.mp3"), 1}},
            {QString(), s("is the current name of (A) B.mp3")}},
        Row{"case-only rename of the file itself", {s("x.mp3")}, false, {{s("(a) b.mp3"), 1}}, {QString()}},
        Row{"case-only rename where case is ignored", {s("x.mp3")}, true, {{s("(a) b.mp3"), 1}}, {QString()}},
        Row{"other spelling of another file where case is ignored",
            {s("(a) B.MP3")},
            true,
            {{s("a_b.mp3"), 1}},
            {s("already exists")}},
        Row{"other spelling of another file where case counts", {s("(a) B.MP3")}, false, {{s("a_b.mp3"), 1}},
            {QString()}},
        Row{"other spelling of another entry's name where case is ignored",
            {},
            true,
            {{s("a_b.mp3"), 1}, {s("(a) B.MP3"), 2}},
            {s("is the current name of (a) B.MP3"), QString()}}));

} // namespace
