#!/bin/sh
# Usage: compile-win32.sh WIN_SOURCE_DIR DRIVER.cpp OUT_DIR
# Exit 77 (skipped) when the mingw-w64 cross compiler is not installed.
set -eu
cxx=x86_64-w64-mingw32-g++
command -v "$cxx" >/dev/null 2>&1 || command -v "$cxx-posix" >/dev/null 2>&1 || { echo "no $cxx"; exit 77; }
command -v "$cxx" >/dev/null 2>&1 || cxx="$cxx-posix"
"$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -I"$1" "$1/WinampWindow.cpp" "$2" \
  -luser32 -o "$3/winamp-window-check.exe"
