// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// Links the window-message core into a program, so a missing library or symbol shows.
#include "WinampWindow.h"

int main()
{
    if (IsWinampRunning() || WaitForWinampWindow(100))
        SendFileToWinamp("C:\\Music\\(The Owls) Blue Sky.mp3", WinampWindowClass);
    return 0;
}
