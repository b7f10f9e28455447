// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "VersionCheck.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase
{
    QString server;
    QString own;
    bool newer;
};

class CompareVersionTest : public testing::TestWithParam<VersionCase>
{
};

TEST_P(CompareVersionTest, ComparesMinorAndRevisionAsOneNumber)
{
    EXPECT_EQ(CompareVersion(GetParam().server, GetParam().own), GetParam().newer)
        << GetParam().server.toStdString() << " against " << GetParam().own.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Versions, CompareVersionTest,
    testing::Values(VersionCase{"1.0.90", "1.0.85", true}, VersionCase{"1.0.85", "1.0.85", false},
                    VersionCase{"1.0.64", "1.0.85", false},
                    // 0.9 against 0.85, and 0.1: the major number plays no part.
                    VersionCase{"1.0.9", "1.0.85", true}, VersionCase{"2.0.1", "1.0.85", false},
                    VersionCase{"1.1.0", "1.0.85", true}, VersionCase{"1.0.850", "1.0.85", false},
                    // Single precision: this differs from 0.85 only past a float's digits.
                    VersionCase{"1.0.850000001", "1.0.85", false},
                    VersionCase{"1.0.86beta", "1.0.85", true},
                    // Nothing that reads as a number is never newer.
                    VersionCase{"", "1.0.85", false}, VersionCase{"1.", "1.0.85", false},
                    VersionCase{"1.x", "1.0.85", false}, VersionCase{"x", "1.0.85", false},
                    VersionCase{QStringLiteral("1.\u0663.9"), "1.0.85", false},
                    // "10.0.1" from its third character is "0.0.1", read as 0.
                    VersionCase{"10.0.1", "1.0.85", false}, VersionCase{"1.0.90", "1.0.9", false}));

TEST(LeadingDecimal, ReadsTheNumberAtTheStart)
{
    EXPECT_FLOAT_EQ(*leadingDecimal("0.85"), 0.85f);
    EXPECT_FLOAT_EQ(*leadingDecimal("  12.5abc"), 12.5f);
    EXPECT_FLOAT_EQ(*leadingDecimal(".5"), 0.5f);
    EXPECT_FLOAT_EQ(*leadingDecimal("7."), 7.0f);
    EXPECT_FLOAT_EQ(*leadingDecimal("0.0.1"), 0.0f);
    EXPECT_FALSE(leadingDecimal("").has_value());
    EXPECT_FALSE(leadingDecimal(".").has_value());
    EXPECT_FALSE(leadingDecimal("-1").has_value());
    EXPECT_EQ(minorAndRevision("1.0.85"), QStringLiteral("0.85"));
}

} // namespace
