#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# Usage: compile-win32.sh PLAYER_DIR ENGINE_DIR TEST_DIR OUT_DIR
# Builds the Windows backend's window-message core alone into a program, and checks the
# backend's Qt side against a stand-in for the few Qt types it uses.
# Exit 77 (skipped) when the mingw-w64 cross compiler is not installed.
set -eu
cxx=x86_64-w64-mingw32-g++
command -v "$cxx" >/dev/null 2>&1 || cxx="$cxx-posix"
command -v "$cxx" >/dev/null 2>&1 || { echo "no x86_64-w64-mingw32-g++"; exit 77; }
flags="-std=c++20 -Wall -Wextra -Wpedantic -Werror"
"$cxx" $flags -I"$1/win" "$1/win/WinampWindow.cpp" "$3/Win32Driver.cpp" -luser32 -o "$4/winamp-window-check.exe"
"$cxx" $flags -fsyntax-only -I"$3/win32-qt-standin" -I"$1" -I"$1/win" -I"$2" "$1/win/WinampPlayerLink.cpp"
