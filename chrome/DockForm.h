// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// A window's outer rectangle in twips, in single precision like the form
// coordinates the docking rules were written for.
struct DockRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const DockRect &, const DockRect &) = default;
};

struct DockResult
{
    DockRect rect;
    bool docked = false; // also when a coordinate already had its snapped value
};

// Margins within which a dropped window snaps to an edge.
constexpr float kDockMargin = 375;
constexpr float kDockBottomMargin = 750;

// Snaps a window dropped at rect to the edges of a screen of the given size
// (origin 0, 0): left, top, right, then bottom, each rule seeing what the rules
// before it left. Comparisons are strict; the taskbar height is kept free only
// at the bottom edge.
DockResult DockForm(DockRect rect, float screenWidth, float screenHeight, float taskbarHeight);

// Pulls a snapped window back wholly onto the screen: a slip in the taskbar height
// (40000 for 400) would otherwise push a frameless window, whose only handle is its
// title, out of reach. Its right and bottom edges stay within the screen, then its
// left and top edges within the available area (which starts at availableLeft,
// availableTop), so a window larger than the screen keeps its title reachable.
DockRect KeepOnScreen(DockRect rect, float screenWidth, float screenHeight, float availableLeft,
                      float availableTop);

// The taskbar height setting as docking reads it: the leading digits of the text
// (leading blanks skipped), 0 when there are none. Absurd heights are capped at
// a million twips so the arithmetic stays finite.
float taskbarHeightFromText(const QString &text);
