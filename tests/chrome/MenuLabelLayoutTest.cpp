// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MenuLabelLayout.h"

#include <gtest/gtest.h>

TEST(MenuLabelLayout, PopupPointsSitUnderTheirLabels)
{
    const struct { int index; QPoint at; } rows[] = {
        {MenuIndex::File, {262, 660}},     {MenuIndex::Options, {1522, 660}},
        {MenuIndex::Help, {5870, 660}},    {MenuIndex::Update, {4882, 660}},
        {MenuIndex::Tag, {3142, 660}},
    };
    const auto labels = mainMenuLabels();
    for (const auto &row : rows)
        EXPECT_EQ(menuPopupPoint(labels[row.index]), row.at) << row.index;
}

TEST(MenuLabelLayout, RolesOfTheEightLabels)
{
    const auto labels = mainMenuLabels();
    ASSERT_EQ(labels.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(labels[i].index, i);
        const bool menu = i != MenuIndex::Title && i != MenuIndex::Minimise && i != MenuIndex::Close;
        EXPECT_EQ(isMenuLabel(i), menu) << i;
        EXPECT_EQ(underlinesWhenHighlighted(i), menu) << i;
    }
    EXPECT_EQ(labels[MenuIndex::Minimise].caption, QStringLiteral("--"));
    EXPECT_EQ(labels[MenuIndex::Close].caption, QStringLiteral("X"));
    EXPECT_EQ(labels[MenuIndex::Tag].caption, QStringLiteral("ID3 Tag"));
}
