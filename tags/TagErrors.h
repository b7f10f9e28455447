// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"

// The error numbers SaveTag reports, with the classic run time's descriptions, so
// the editor's message reads as users of the original component know it.
namespace TagErrors {

enum Number : int {
    FileNotFound = 53,
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
};

ErrorInfo make(Number number);
// Maps a C library errno value to the nearest of the numbers above.
ErrorInfo fromErrno(int errnoValue);

} // namespace TagErrors
