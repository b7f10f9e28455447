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
    QHash<QByteArray, std::optional<Kind>> listing;
    QHash<QByteArray, Kind> stats;
    QHash<QByteArray, quint64> inodes;
    std::optional<quint64> device = 7;
    QHash<QByteArray, quint64> devices; // per folder, where given
    bool readable = true;
    int listings = 0;
    int devicesAsked = 0;
    QList<QByteArray> statted;

    bool listInto(const QByteArray &, FolderIndex &entries) override
    {
        ++listings;
        if (!readable)
            return false;
        for (auto it = listing.cbegin(); it != listing.cend(); ++it)
            entries.add({it.key().constData(), size_t(it.key().size())}, it.value(), inodes.value(it.key()));
        return true;
    }
    std::optional<quint64> listedDevice(const QByteArray &folder) override
    {
        ++devicesAsked;
        return devices.contains(folder) ? std::optional(devices.value(folder)) : device;
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

TEST(FolderKinds, TakesIdentitiesFromTheListingWhereItTellsThem)
{
    const struct
    {
        const char *what;
        QByteArray name;
        int namesInBatch;
        std::optional<quint64> device;
        std::optional<FileIdentity> expected;
    } cases[] = {
        {"listed", "a.mp3", 4, 7, FileIdentity::listed(7, 11)},
        {"not listed", "gone.mp3", 4, 7, std::nullopt},
        {"listed without its inode", "b.mp3", 4, 7, std::nullopt},
        {"folder not worth a listing", "a.mp3", 3, 7, std::nullopt},
        {"listing not to be trusted for inodes", "a.mp3", 4, std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        ListedFolder fs;
        fs.listing = {{"a.mp3", Kind::File}, {"b.mp3", Kind::File}};
        fs.inodes = {{"a.mp3", 11}};
        fs.device = c.device;
        FolderKinds kinds(QList<QByteArray>(c.namesInBatch, "/m/"), fs);

        EXPECT_EQ(kinds.listedIdentity("/m/", c.name), c.expected) << c.what;
        EXPECT_EQ(kinds.listedIdentity("/m/", c.name), c.expected) << c.what;
        EXPECT_LE(fs.devicesAsked, 1) << c.what << ": once per folder";
        EXPECT_TRUE(fs.statted.isEmpty()) << c.what;
    }
}

TEST(FolderKinds, GivesEachFolderItsOwnDeviceWhenAskedInTurn)
{
    ListedFolder fs;
    fs.listing = {{"a.mp3", Kind::File}};
    fs.inodes = {{"a.mp3", 11}};
    fs.devices = {{"/m/", 7}, {"/n/", 8}};
    QList<QByteArray> batch(4, "/m/");
    batch.append(QList<QByteArray>(4, "/n/"));
    FolderKinds kinds(batch, fs);
    for (const QByteArray folder : {"/m/", "/n/", "/m/", "/n/"})
        EXPECT_EQ(kinds.listedIdentity(folder, "a.mp3"), FileIdentity::listed(fs.devices.value(folder), 11)) << folder.constData();
    EXPECT_EQ(fs.devicesAsked, 2);
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
        index.add(names[i], i % 4 == 3 ? std::nullopt : std::optional(Kind(i % 4)), i % 5 ? i : 0);
    ASSERT_EQ(index.size(), qsizetype(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(index.contains(names[i])) << names[i];
        ASSERT_EQ(index.typedKind(names[i]), i % 4 == 3 ? std::nullopt : std::optional(Kind(i % 4))) << names[i];
        ASSERT_EQ(index.inode(names[i]), i % 5 ? std::optional<quint64>(i) : std::nullopt) << names[i];
    }
    for (const char *absent : {"song 1.mp", "song 1.mp3 ", "Song 1.mp3", "song 10000", "song"})
        EXPECT_FALSE(index.contains(absent)) << absent;

    index.add("song 1.mp3", Kind::Folder, 99); // read again: the latest entry counts
    EXPECT_EQ(index.typedKind("song 1.mp3"), Kind::Folder);
    EXPECT_EQ(index.inode("song 1.mp3"), 99u);
    EXPECT_EQ(index.size(), qsizetype(names.size()));
}
