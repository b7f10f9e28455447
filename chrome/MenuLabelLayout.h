// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QPoint>
#include <QString>
#include <span>

// The label menu bar of the main window: eight labels in one control array.
// Index 3 is the title, 4 the minimise label "--", 5 the close label "X"; the
// others pop up the window's menus.
struct MenuLabelSpec
{
    int index;
    QString caption; // empty for the title, whose caption is the window's; English, see shownCaption()
    int left, top, width, height; // twips
};

namespace MenuIndex {
constexpr int File = 0;
constexpr int Options = 1;
constexpr int Help = 2;
constexpr int Title = 3;
constexpr int Minimise = 4;
constexpr int Close = 5;
constexpr int Update = 6;
constexpr int Tag = 7;
}

std::span<const MenuLabelSpec> mainMenuLabels();

// The caption in the user's language. The table keeps English, being built once
// for the whole run, whatever translator is installed when it is first asked for.
QString shownCaption(const MenuLabelSpec &label);

// True for the labels that pop up a menu (0, 1, 2, 6, 7).
bool isMenuLabel(int index);

// Underline when highlighted: menu labels only, not the title, "--" or "X".
bool underlinesWhenHighlighted(int index);

// Where a label's menu pops up, in window twips: 22 right of the label's left
// edge, or 550 left of it for "Help", and 75 above its bottom edge.
QPoint menuPopupPoint(const MenuLabelSpec &label);
