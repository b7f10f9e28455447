// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// Text from a tag or a file name made safe for one line of a terminal: a line feed is
// written "\n", a tab "\t", any other control character (C0, DEL, C1) "\xNN", and the
// backslash itself "\\", so nothing it holds can start a line or drive the terminal.
QString escapeForTerminal(const QString &text);
