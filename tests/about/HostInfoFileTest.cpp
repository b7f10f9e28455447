// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "HostInfoFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const HostInfo sample{"1.0.90", QStringLiteral("https://zoë.example/a,b"), "me@example.org",
                      "192", "168", "0", "1", "65535"};

TEST(HostInfoFile, WritesSevenQuotedLinesWithTheOffsetAndReadsThemBack)
{
    TempDir dir;
    const QString path = dir.filePath("hostinfo.ini");
    ASSERT_TRUE(HostInfoFile::write(path, sample).ok());
    EXPECT_EQ(dir.read("hostinfo.ini"),
              QStringLiteral("\"https://zoë.example/a,b\"\r\n\"me@example.org\"\r\n\"209\"\r\n\"185\"\r\n"
                             "\"17\"\r\n\"18\"\r\n\"65552\"\r\n")
                  .toUtf8());

    const HostInfoFile::ReadResult back = HostInfoFile::read(path);
    ASSERT_TRUE(back.error.ok()) << back.error.description.toStdString();
    HostInfo expected = sample;
    expected[0].clear(); // the version is not stored
    EXPECT_EQ(back.hostInfo, expected);
}

TEST(HostInfoFile, FindsOnlyTheExactName)
{
    TempDir dir;
    EXPECT_FALSE(HostInfoFile::existsIn(dir.path()));
    dir.write("HostInfo.ini", "x");
    dir.write("hostinfo.ini.bak", "x");
    EXPECT_FALSE(HostInfoFile::existsIn(dir.path()));
    dir.write("hostinfo.ini", "x");
    EXPECT_TRUE(HostInfoFile::existsIn(dir.path()));
}

struct DamagedCase
{
    const char *name;
    QByteArray bytes;
    int error;
};

class DamagedHostInfoTest : public testing::TestWithParam<DamagedCase>
{
};

TEST_P(DamagedHostInfoTest, GivesTheErrorAndNoValues)
{
    TempDir dir;
    const HostInfoFile::ReadResult r = HostInfoFile::read(dir.write("hostinfo.ini", GetParam().bytes));
    EXPECT_EQ(r.error.number, GetParam().error);
    EXPECT_FALSE(r.error.description.isEmpty());
    EXPECT_EQ(r.hostInfo, HostInfo{});
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedHostInfoTest,
    testing::Values(
        DamagedCase{"Empty", "", 62},
        DamagedCase{"Truncated", "\"w\"\r\n\"e\"\r\n\"27\"\r\n\"17\"\r\n", 62},
        DamagedCase{"NotANumber", "\"w\"\r\n\"e\"\r\n\"x\"\r\n\"17\"\r\n\"17\"\r\n\"18\"\r\n\"1018\"\r\n", 13},
        DamagedCase{"PortOutOfRange", "\"w\"\r\n\"e\"\r\n\"27\"\r\n\"17\"\r\n\"17\"\r\n\"18\"\r\n\"65553\"\r\n", 6},
        DamagedCase{"PortZero", "\"w\"\r\n\"e\"\r\n\"27\"\r\n\"17\"\r\n\"17\"\r\n\"18\"\r\n\"17\"\r\n", 6},
        DamagedCase{"BelowTheOffset", "\"w\"\r\n\"e\"\r\n\"5\"\r\n\"17\"\r\n\"17\"\r\n\"18\"\r\n\"1018\"\r\n", 6},
        DamagedCase{"ByteOutOfRange", "\"w\"\r\n\"e\"\r\n\"273\"\r\n\"17\"\r\n\"17\"\r\n\"18\"\r\n\"1018\"\r\n", 6},
        DamagedCase{"Binary", QByteArray("\x00\xff\xfe,\x01\r\n\x7f", 9), 62}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HostInfoFile, ATruncatedLastQuoteStillReadsItsDigits)
{
    // The reader takes an unterminated quote to the end of the data; "10" less
    // the offset is no port, so the file is refused all the same.
    TempDir dir;
    const auto r = HostInfoFile::read(
        dir.write("hostinfo.ini", "\"w\"\r\n\"e\"\r\n\"27\"\r\n\"17\"\r\n\"17\"\r\n\"18\"\r\n\"10"));
    EXPECT_EQ(r.error.number, 6);
}

TEST(HostInfoFile, MissingOrUnreadableFile)
{
    TempDir dir;
    EXPECT_EQ(HostInfoFile::read(dir.filePath("hostinfo.ini")).error.number, 53);
    QDir(dir.path()).mkdir("hostinfo.ini"); // a folder cannot be read as a file
    EXPECT_EQ(HostInfoFile::read(dir.filePath("hostinfo.ini")).error.number, 75);
}

} // namespace
