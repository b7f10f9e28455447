// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"

#include <QByteArray>
#include <QString>
#include <memory>

// One open file as the codec sees it: positioned reads and writes, and cutting it
// back. Every failure comes back as a SaveTag error number (TagErrors).
class TagOpenFile
{
public:
    virtual ~TagOpenFile();

    virtual qint64 size() const = 0;
    // Reads exactly bytes.size() bytes at pos; a short read is a failure.
    virtual ErrorInfo readAt(qint64 pos, QByteArray &bytes) = 0;
    virtual ErrorInfo writeAt(qint64 pos, const QByteArray &bytes) = 0;
    virtual ErrorInfo truncate(qint64 length) = 0;
    // Closing can report a late write failure; the file is closed either way.
    virtual ErrorInfo close() = 0;
};

// The file system behind Veltro. The real one is PosixTagFileAccess; tests put a
// fake in front of it that fails at chosen points (as root, permission bits stop nothing).
class TagFileAccess
{
public:
    enum class Mode { Read, ReadWrite };

    struct Opened
    {
        std::unique_ptr<TagOpenFile> file; // null on failure
        ErrorInfo error;
    };

    virtual ~TagFileAccess();
    // Opens an existing regular file by its native bytes; never creates one.
    virtual Opened open(const QByteArray &nativePath, Mode mode) = 0;
};
