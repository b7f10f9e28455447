// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

class QWidget;

// Put a window into, or take it out of, the band of always-on-top windows,
// without moving, resizing, hiding or showing it.
void MakeTopmost(QWidget *frm);
void MakeNotTopmost(QWidget *frm);
