// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DockForm.h"

#include <gtest/gtest.h>

namespace {

// An 800 x 600 pixel screen in twips, and a 300 x 200 pixel window.
constexpr float kScreenW = 12000;
constexpr float kScreenH = 9000;
constexpr float kW = 4500;
constexpr float kH = 3000;

struct DockCase
{
    const char *name;
    DockRect in;
    float taskbar;
    DockRect out;
    bool docked;
};

class DockFormTable : public ::testing::TestWithParam<DockCase>
{
};

TEST_P(DockFormTable, SnapsAsTheRulesSay)
{
    const DockCase &c = GetParam();
    const DockResult result = DockForm(c.in, kScreenW, kScreenH, c.taskbar);
    EXPECT_EQ(result.rect, c.out);
    EXPECT_EQ(result.docked, c.docked);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DockFormTable,
    ::testing::Values(
        DockCase{"middle_stays", {3000, 3000, kW, kH}, 400, {3000, 3000, kW, kH}, false},
        DockCase{"left_374_snaps", {374, 3000, kW, kH}, 400, {0, 3000, kW, kH}, true},
        DockCase{"left_375_stays", {375, 3000, kW, kH}, 400, {375, 3000, kW, kH}, false},
        DockCase{"top_374_snaps", {3000, 374, kW, kH}, 400, {3000, 0, kW, kH}, true},
        DockCase{"top_375_stays", {3000, 375, kW, kH}, 400, {3000, 375, kW, kH}, false},
        DockCase{"top_ignores_taskbar", {3000, 100, kW, kH}, 2000, {3000, 0, kW, kH}, true},
        DockCase{"left_outside_screen", {-900, 3000, kW, kH}, 400, {0, 3000, kW, kH}, true},
        DockCase{"already_at_left_counts", {0, 3000, kW, kH}, 400, {0, 3000, kW, kH}, true},
        DockCase{"top_left_corner", {100, 200, kW, kH}, 400, {0, 0, kW, kH}, true},
        // right edge: 375 from the edge stays, 374 snaps
        DockCase{"right_375_stays", {12000 - 375 - kW, 3000, kW, kH}, 400,
                 {12000 - 375 - kW, 3000, kW, kH}, false},
        DockCase{"right_374_snaps", {12000 - 374 - kW, 3000, kW, kH}, 400,
                 {12000 - kW, 3000, kW, kH}, true},
        DockCase{"right_past_edge", {9000, 3000, kW, kH}, 400, {12000 - kW, 3000, kW, kH}, true},
        // bottom edge: 750 from the bottom stays, 749 snaps above the taskbar
        DockCase{"bottom_750_stays", {3000, 9000 - 750 - kH, kW, kH}, 400,
                 {3000, 9000 - 750 - kH, kW, kH}, false},
        DockCase{"bottom_749_snaps", {3000, 9000 - 749 - kH, kW, kH}, 400,
                 {3000, 9000 - kH - 400, kW, kH}, true},
        DockCase{"bottom_below_screen", {3000, 8000, kW, kH}, 400, {3000, 9000 - kH - 400, kW, kH},
                 true},
        DockCase{"bottom_no_taskbar", {3000, 8000, kW, kH}, 0, {3000, 9000 - kH, kW, kH}, true},
        DockCase{"bottom_right_corner", {9000, 8000, kW, kH}, 400,
                 {12000 - kW, 9000 - kH - 400, kW, kH}, true},
        // the rules see each other's results: a window taller than the screen
        // goes to the top, then the bottom rule pulls it up above the screen
        DockCase{"taller_than_screen", {3000, 100, kW, 10000}, 400, {3000, -1400, kW, 10000}, true},
        DockCase{"wider_than_screen", {100, 3000, 13000, kH}, 400, {-1000, 3000, 13000, kH}, true}),
    [](const ::testing::TestParamInfo<DockCase> &info) { return std::string(info.param.name); });

TEST(KeepOnScreen, PullsEveryEdgeBackOntoTheScreen)
{
    // A 32-pixel panel at the top: the available area starts 480 twips down.
    const struct { const char *name; DockRect in; DockRect out; } rows[] = {
        {"inside_untouched", {3000, 3000, kW, kH}, {3000, 3000, kW, kH}},
        {"huge_taskbar_above_top", {3000, 9000 - kH - 40000, kW, kH}, {3000, 480, kW, kH}},
        {"below_bottom", {3000, 8000, kW, kH}, {3000, 9000 - kH, kW, kH}},
        {"past_right", {9000, 3000, kW, kH}, {12000 - kW, 3000, kW, kH}},
        {"past_left", {-10, 3000, kW, kH}, {0, 3000, kW, kH}},
        {"larger_than_screen_keeps_title", {-1000, -1400, 13000, 10000}, {0, 480, 13000, 10000}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(KeepOnScreen(row.in, kScreenW, kScreenH, 0, 480), row.out) << row.name;
}

TEST(TaskbarHeight, ReadsLeadingDigits)
{
    const struct { const char *text; float value; } rows[] = {
        {"400", 400}, {"", 0}, {"   ", 0}, {" 250", 250}, {"12ab", 12}, {"abc", 0},
        {"0", 0}, {"-5", 0}, {"99999999999999999999", 1'000'000},
    };
    for (const auto &row : rows)
        EXPECT_EQ(taskbarHeightFromText(QString::fromUtf8(row.text)), row.value) << row.text;
}

} // namespace
