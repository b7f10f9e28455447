// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

class QKeyEvent;

// The key codes the cancel key was defined in: letters and digits are their
// upper-case character codes, Control is 17, Shift 16, Alt 18, Enter 13.
int cancelKeyCode(const QKeyEvent *event);
