// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"

#include <QByteArray>
#include <optional>
#include <string_view>

// A folder's entries one at a time, by their exact bytes, as the platform's listing
// call gives them ("." and ".." included), so every listing of the program reads a
// folder the same way and copies a name only where it keeps it. POSIX only: on Windows
// names come through Qt.
class FolderReader
{
public:
    // An empty folder is the current one.
    explicit FolderReader(const QByteArray &folder);
    ~FolderReader();
    FolderReader(const FolderReader &) = delete;
    FolderReader &operator=(const FolderReader &) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    // Moves to the next entry; false at the end, or when reading failed (failed()).
    bool next();
    // Reading stopped on an error before the end: the entries seen are not all.
    bool failed() const { return m_failed; }

    // The present entry's name, valid until the next call of next().
    std::string_view name() const;
    bool isDotOrDotDot() const;
    // What the entry's type says; nullopt for a link or an untyped entry.
    std::optional<FileSystem::Kind> typedKind() const;
    // The entry's inode as the listing gives it, without a stat.
    quint64 inode() const;
    // What the entry leads to, links followed, asked of stat where the type does not
    // tell; a dangling link is Other.
    FileSystem::Kind kind() const;

private:
    void *m_dir = nullptr;
    const void *m_entry = nullptr;
    bool m_failed = false;
};
