// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentEscaping.h"
#include "CommentFileReader.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

struct EscapeRow
{
    const char *what;
    std::string comment;
    std::string line;
};

class CommentEscapingRows : public testing::TestWithParam<EscapeRow>
{
};

TEST_P(CommentEscapingRows, EscapesAndReadsBackTheSameBytes)
{
    const EscapeRow &row = GetParam();
    EXPECT_EQ(CommentEscaping::escaped(row.comment), row.line);
    EXPECT_EQ(CommentFileReader::unescaped(row.line), row.comment);
}

INSTANTIATE_TEST_SUITE_P(
    Comments, CommentEscapingRows,
    testing::Values(
        EscapeRow{"ascii controls", "a\tb\\c\r\nd\x01\x7f \xc3\xa9", "a\\tb\\\\c\\r\\nd\\x01\\x7f \xc3\xa9"},
        EscapeRow{"nul", "a\0b"s, "a\\x00b"},
        EscapeRow{"next line, a C1 control", "a\xc2\x85" "b", "a\\xc2\\x85b"},
        EscapeRow{"line and paragraph separators", "\xe2\x80\xa8|\xe2\x80\xa9", "\\xe2\\x80\\xa8|\\xe2\\x80\\xa9"},
        EscapeRow{"bidi override and BOM", "\xe2\x80\xae\xef\xbb\xbf", "\\xe2\\x80\\xae\\xef\\xbb\\xbf"},
        EscapeRow{"printable multi-byte kept", "\xe2\x82\xac \xf0\x9f\x98\x80 \xe6\x97\xa5",
                  "\xe2\x82\xac \xf0\x9f\x98\x80 \xe6\x97\xa5"},
        EscapeRow{"invalid bytes", "\xff\xfe" "a", "\\xff\\xfea"},
        EscapeRow{"truncated sequence", "\xe2\x82" "a", "\\xe2\\x82a"},
        EscapeRow{"overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
        EscapeRow{"surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
        EscapeRow{"above U+10FFFF", "\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
        EscapeRow{"lone continuation", "\x80", "\\x80"}),
    [](const auto &info) {
        std::string name;
        for (const char c : std::string(info.param.what))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(CommentEscaping, CutKeepsCharactersWholeButNotInvalidBytes)
{
    const struct
    {
        std::string received;
        std::size_t max;
        std::string kept;
    } rows[] = {
        {"abc", 5, "abc"},
        {"ab\xe2\x82\xac", 3, "ab"},
        {"ab\xe2\x82\xac", 4, "ab"},
        {"ab\xe2\x82\xac" "d", 5, "ab\xe2\x82\xac"},
        {"a\xf0\x9f\x98\x80", 4, "a"},
        {"a\xf0\x9f\x98\x80", 2, "a"},
        {"a\xff\xff\xff", 2, "a\xff"},
        {"a\xe2\x82" "x", 2, "a\xe2"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(CommentEscaping::cut(row.received, row.max), row.kept) << row.received << " at " << row.max;
}

TEST(CommentFileReader, RefusesWhatTheServerNeverWrites)
{
    for (const std::string &file : {"t\ts\ta\xe2\x80\xa8" "b\n"s, "t\ts\t\\q\n"s, "t\ts\t\\x4\n"s, "t\ts\t\\x4A\n"s,
                                    "t\ts\tx\ty\n"s, "t\tno text\n"s, "t\ts\tno line end"s}) {
        EXPECT_FALSE(CommentFileReader::read(file)) << file;
    }
    const auto records = CommentFileReader::read("2026-01-01T00:00:00Z\t127.0.0.1\ta\\nb\n");
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1u);
    EXPECT_EQ(records->front().comment, "a\nb");
    EXPECT_EQ(records->front().sender, "127.0.0.1");
}

} // namespace
