// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"
#include "FileSystem.h"

#include <QString>
#include <functional>

// How a rename failed, in the three kinds the user is told apart.
enum class RenameFailure { None, TargetExists, AccessDenied, Other };

struct RenameResult
{
    RenameFailure failure = RenameFailure::None;
    // 58 for TargetExists, 75 for AccessDenied, else the platform's number and text.
    ErrorInfo error;

    bool ok() const { return failure == RenameFailure::None; }
};

// Whether the path to (folder + newName), which answers, is the entry from itself in
// another spelling. Some drivers (exFAT through FUSE) give each spelling of one entry
// its own inode, so the inodes cannot tell; the listing can: the entry is listed under
// one spelling only.
bool sameEntry(FileSystem &fs, const QByteArray &folder, const QByteArray &from, const QByteArray &to,
               const QByteArray &newName);

// Renames folder + oldName to folder + newName (native bytes; folder ends with a
// separator) and never replaces an existing file. A new name equal to the old one byte
// for byte succeeds without touching anything; a change of letter case only also works
// where the file system ignores case (through a temporary name, the old name restored
// if the second step fails). A new name that is empty, "." or "..", or holds a
// separator is refused before any call, and so is anything but a regular file.
RenameResult SafeRename(const QByteArray &folder, const QByteArray &oldName, const QByteArray &newName,
                        FileSystem &fs = FileSystem::native());
// The same with what the old name leads to told by kindOf (from a folder listing, say),
// which is asked only once a rename is due.
RenameResult SafeRename(const QByteArray &folder, const QByteArray &oldName, const QByteArray &newName,
                        const std::function<FileSystem::Kind()> &kindOf, FileSystem &fs);
// The same for names given as text, which are written in UTF-8.
RenameResult SafeRename(const QString &folder, const QString &oldName, const QString &newName,
                        FileSystem &fs = FileSystem::native());

// The failure kind of a platform error code.
RenameFailure classifyRenameError(int code);
