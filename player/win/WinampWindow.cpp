// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "WinampWindow.h"

#include <windows.h>

#include <vector>

bool IsWinampRunning()
{
    return FindWindowA(WinampWindowClass, nullptr) != nullptr;
}

bool WaitForWinampWindow(unsigned timeoutMs)
{
    const ULONGLONG start = GetTickCount64();
    while (!IsWinampRunning()) {
        if (GetTickCount64() - start >= timeoutMs)
            return false;
        Sleep(100);
    }
    return true;
}

void SendFileToWinamp(const std::string &sFile, const std::string &sClass)
{
    HWND window = FindWindowA(sClass.c_str(), nullptr);
    if (window == nullptr)
        return;
    // The player reads the buffer during the send, so the copy lives until it returns.
    std::vector<char> path(sFile.begin(), sFile.end());
    path.push_back('\0');
    COPYDATASTRUCT record{};
    record.dwData = 100;
    record.cbData = static_cast<DWORD>(path.size());
    record.lpData = path.data();
    SendMessageA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
}
