// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "TagFileAccess.h"

// Files through the C library's descriptors: one open, one positioned read or write
// of 128 bytes, one close per tag, and errno kept so the error number is exact.
class PosixTagFileAccess : public TagFileAccess
{
public:
    Opened open(const QByteArray &nativePath, Mode mode) override;

    // The one stateless instance that Veltro uses unless given another.
    static PosixTagFileAccess &instance();

    // A write past the file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, which ends the
    // process by default; ignored, the write fails with EFBIG instead, the append is
    // cut back and the user is told. Programs call this once at start.
    static void ignoreFileSizeSignal();
};
