// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// What makes a file the same file later on: where it lives on disk (device and inode)
// and what it holds by size and modification time. A rename keeps all four, so a
// file found under its new name with the identity taken before is the one renamed.
// One learnt from a folder's listing has only the first two: size and time are
// kUnknown, and a later change shows in the time alone (see unchangedSince).
struct FileIdentity
{
    static constexpr qint64 kUnknown = -1;

    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    static FileIdentity listed(quint64 device, quint64 inode) { return {device, inode, kUnknown, kUnknown}; }
    bool knowsContent() const { return size != kUnknown || modifiedNs != kUnknown; }
    // Whether now, taken of a file today, is the file this identity was taken of and
    // unchanged since. A full identity: the same inode, size and time; where inodes do
    // not last (lastingInodes false: FAT, exFAT, a user-space file system) size and time
    // alone. A listed one (only taken where inodes last): the same inode and not
    // modified after sinceMs (ms since the epoch), which must be a time after the
    // identity was taken and before anything was done to the file. The device is not
    // compared: a drive plugged in again may get another number.
    bool unchangedSince(const FileIdentity &now, qint64 sinceMs, bool lastingInodes = true) const;

    // The identity of what path names, links not followed; none when nothing is there.
    static std::optional<FileIdentity> of(const QByteArray &path);
    // The same for a name in a folder opened once for many (a file descriptor on
    // Unix, which spares walking the folder's path for each name).
    static std::optional<FileIdentity> in(int folder, const QByteArray &name);
    static int openFolder(const QByteArray &path);
    static void closeFolder(int folder);

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};
