// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AutoTagRule.h"

#include <gtest/gtest.h>

namespace {

struct Row
{
    const char *path;
    bool fits;
    const char *artist;
    const char *title;
};

class AutoTagNames : public ::testing::TestWithParam<Row> {};

TEST_P(AutoTagNames, FromFileName)
{
    const Row &row = GetParam();
    const auto names = AutoTagRule::namesFromPath(QString::fromUtf8(row.path));
    ASSERT_EQ(names.has_value(), row.fits) << row.path;
    if (row.fits) {
        EXPECT_EQ(names->artist, QString::fromUtf8(row.artist)) << row.path;
        EXPECT_EQ(names->title, QString::fromUtf8(row.title)) << row.path;
    }
}

INSTANTIATE_TEST_SUITE_P(Names, AutoTagNames, ::testing::Values(
    Row{"/music/(Blue Cats) Night Train.mp3", true, "Blue Cats", "Night Train"},
    Row{"(Blue Cats)Night Train.mp3", true, "Blue Cats", "ight Train"},
    Row{"(Blue Cats) Night Train.mpeg", true, "Blue Cats", "Night Train."},
    Row{"(Blue Cats) .mp3", true, "Blue Cats", ""},
    Row{"(Blue Cats).mp3", true, "Blue Cats", ""},
    Row{"( Spaced ) Title .mp3", true, " Spaced ", "Title "},
    Row{"()x.mp3", true, "", ""},
    Row{"(A) (B) C.mp3", true, "A", "(B) C"},
    Row{"(Björk) Jóga.mp3", true, "Björk", "Jóga"},
    Row{"/dir/\"(Q) T\".mp3", true, "Q", "T"},
    Row{"/(x)/Night Train.mp3", false, "", ""},
    Row{"Night Train.mp3", false, "", ""},
    Row{"(Blue Cats Night Train.mp3", false, "", ""},
    Row{"(Blue Cats.mp3)", false, "", ""},
    Row{"(A)", false, "", ""},
    Row{"(", false, "", ""},
    Row{"", false, "", ""}));

TEST(AutoTagRule, OnlySpacesMakeABlankComment)
{
    const struct { const char16_t *comment; bool blank; } rows[] = {
        {u"", true}, {u"   ", true}, {u"\t", false}, {u"\u00a0", false}, {u" \n ", false}, {u" x ", false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(AutoTagRule::isBlankComment(QString::fromUtf16(row.comment)), row.blank)
            << QString::fromUtf16(row.comment).toStdString();
}

} // namespace
