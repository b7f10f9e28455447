// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QList>

class QWidget;

// What a window does to its controls once they all exist, at its first show.
namespace WindowControls {

// Moves last behind every other focusable direct child of window in the tab order.
void putLastInTabOrder(QWidget *window, const QList<QWidget *> &last);
// A screen reader's name for every direct child of window but skip that has none
// of its own: the caption of the label it is the buddy of, else its tooltip, else
// its own caption, each without the accelerator mark.
void nameControls(QWidget *window, const QWidget *skip);

} // namespace WindowControls
