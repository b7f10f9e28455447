// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// What makes a file the same file later on: where it lives on disk (device and inode)
// and what it holds by size and modification time. A rename keeps all four, so a
// file found under its new name with the identity taken before is the one renamed.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    // The identity of what path names, links not followed; none when nothing is there.
    static std::optional<FileIdentity> of(const QByteArray &path);
    // The same for a name in a folder opened once for many (a file descriptor on
    // Unix, which spares walking the folder's path for each name).
    static std::optional<FileIdentity> in(int folder, const QByteArray &name);
    static int openFolder(const QByteArray &path);
    static void closeFolder(int folder);

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};
