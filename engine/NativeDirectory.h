// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"

#include <QByteArray>
#include <QList>
#include <optional>

// A folder's entries by their exact native names. Qt's own listing decodes names as
// UTF-8 and leaves out, or garbles, those that are not; this one keeps every byte.
class NativeDirectory
{
public:
    struct Entry
    {
        QByteArray name;
        FileSystem::Kind kind; // links followed; a dangling link is Other
    };

    // Every entry but "." and "..", unsorted; empty when the folder cannot be read.
    static QList<Entry> list(const QByteArray &folder);
    // The current folder's path, which Qt would give decoded.
    static QByteArray current();
    // What a listing's entry type (dirent's d_type on POSIX) says of the entry;
    // nullopt for a link or an untyped entry, which only a stat can tell.
    static std::optional<FileSystem::Kind> kindOfEntryType(unsigned char type);
};
