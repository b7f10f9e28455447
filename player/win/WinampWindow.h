// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

// The player's window and its copy-data hand-over, in plain Win32 so it builds alone.
// Both look the window up at every call; a missing window means nothing is sent.

#include <string>

inline constexpr const char *WinampWindowClass = "Winamp v1.x";

// True when a top-level window of class "Winamp v1.x" exists.
bool IsWinampRunning();

// Looks for that window every tenth of a second until it exists or timeoutMs have passed.
bool WaitForWinampWindow(unsigned timeoutMs);

// Sends the window of class sClass one WM_COPYDATA with dwData 100 (add to playlist) and
// the file name as a zero-terminated string in the system's 8-bit code page.
void SendFileToWinamp(const std::string &sFile, const std::string &sClass);
