// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderIndex.h"
#include "FolderKinds.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Kind = FileSystem::Kind;

// One folder "/m/" held in memory: its listing as a driver gives it, and what a stat
// of each name says. Counts both kinds of question.
class ListedFolder : public FileSystem
{
public:
    Listing listing;
    QHash<QByteArray, Kind> stats;
    bool readable = true;
    int listings = 0;
    QList<QByteArray> statted;

    bool list(const QByteArray &, Listing &entries) override
    {
        ++listings;
        entries = listing;
        return readable;
    }
    Kind kind(const QByteArray &path) override
    {
        statted.append(path);
        return stats.value(path, Kind::Missing);
    }
    int renameNoReplace(const QByteArray &, const QByteArray &) override { return 0; }
    int hardLink(const QByteArray &, const QByteArray &) override { return 0; }
    int removeFile(const QByteArray &) override { return 0; }
    int renameReplacing(const QByteArray &, const QByteArray &) override { return 0; }
    bool exists(const QByteArray &) override { return false; }
    bool sameFile(const QByteArray &, const QByteArray &) override { return false; }
    bool listsName(const QByteArray &, const QByteArray &) override { return true; }
    QString describe(int) const override { return {}; }
};

TEST(FolderKinds, TrustsATypedListingAndAsksForTheRestOneByOne)
{
    const struct
    {
        const char *what;
        QByteArray asked;
        int namesInBatch;
        bool readable;
        Kind expected;
        bool statted;
    } cases[] = {
        {"listed file", "/m/a.mp3", 4, true, Kind::File, false},
        {"listed folder", "/m/dir.mp3", 4, true, Kind::Folder, false},
        {"listed pipe", "/m/pipe.mp3", 4, true, Kind::Other, false},
        {"link: its target decides", "/m/link.mp3", 4, true, Kind::Folder, true},
        {"another spelling on a case-blind disk", "/m/A.MP3", 4, true, Kind::File, true},
        {"missing", "/m/gone.mp3", 4, true, Kind::Missing, true},
        {"unreadable folder", "/m/a.mp3", 4, false, Kind::File, true},
        {"too few names to read the folder", "/m/dir.mp3", 3, true, Kind::Folder, true},
    };
    for (const auto &c : cases) {
        ListedFolder fs;
        fs.readable = c.readable;
        fs.listing = {{"a.mp3", Kind::File}, {"dir.mp3", Kind::Folder}, {"pipe.mp3", Kind::Other},
                      {"link.mp3", std::nullopt}};
        fs.stats = {{"/m/a.mp3", Kind::File}, {"/m/A.MP3", Kind::File}, {"/m/dir.mp3", Kind::Folder},
                    {"/m/link.mp3", Kind::Folder}};
        QList<QByteArray> batch(c.namesInBatch - 1, "/m/other.mp3");
        batch.append(c.asked);
        batch.append("/elsewhere/x.mp3");
        FolderKinds kinds = FolderKinds::ofPaths(batch, fs);

        EXPECT_EQ(kinds.kind(c.asked), c.expected) << c.what;
        EXPECT_EQ(kinds.kind(c.asked), c.expected) << c.what;
        EXPECT_EQ(fs.listings, c.namesInBatch >= 4 ? 1 : 0) << c.what;
        EXPECT_EQ(fs.statted.size(), c.statted ? 2 : 0) << c.what;
    }
}

} // namespace

// The index must find every name of a folder byte for byte after growing many times,
// and nothing that is only a prefix, an extension or another spelling of a name.
TEST(FolderIndex, FindsEachNameExactlyAcrossGrowth)
{
    FolderIndex index;
    std::vector<std::string> names;
    for (int i = 0; i < 5000; ++i)
        names.push_back("song " + std::to_string(i) + (i % 3 ? ".mp3" : ""));
    names.push_back(std::string("\xe9t\xe9.mp3")); // a legacy name, not UTF-8
    names.push_back("");
    for (size_t i = 0; i < names.size(); ++i)
        index.add(names[i], i % 4 == 3 ? std::nullopt : std::optional(Kind(i % 4)));
    ASSERT_EQ(index.size(), qsizetype(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(index.contains(names[i])) << names[i];
        ASSERT_EQ(index.typedKind(names[i]), i % 4 == 3 ? std::nullopt : std::optional(Kind(i % 4))) << names[i];
    }
    for (const char *absent : {"song 1.mp", "song 1.mp3 ", "Song 1.mp3", "song 10000", "song"})
        EXPECT_FALSE(index.contains(absent)) << absent;

    index.add("song 1.mp3", Kind::Folder); // read again: the latest kind counts
    EXPECT_EQ(index.typedKind("song 1.mp3"), Kind::Folder);
    EXPECT_EQ(index.size(), qsizetype(names.size()));
}
