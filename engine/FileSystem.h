// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class FolderIndex;

// The few file-system calls a rename needs, behind an interface so tests can make them
// fail the way a busy file, a locked folder or a read-only disk does, even as root.
// Paths are native bytes (NativeName::native), never text re-encoded. Every call
// returns 0 on success or the platform's error code (errno on Linux, GetLastError() on
// Windows).
class FileSystem
{
public:
    enum class Kind { Missing, File, Folder, Other };

    virtual ~FileSystem();

    // Renames without ever replacing an existing target.
    virtual int renameNoReplace(const QByteArray &from, const QByteArray &to) = 0;
    virtual int hardLink(const QByteArray &from, const QByteArray &to) = 0;
    virtual int removeFile(const QByteArray &path) = 0;
    // A plain rename, which would replace a target; only used after checking none exists.
    virtual int renameReplacing(const QByteArray &from, const QByteArray &to) = 0;
    // Whether anything, even a dangling link, has this name.
    virtual bool exists(const QByteArray &path) = 0;
    // Whether both names lead to the same file by its identity (device and inode), as
    // two spellings do on most file systems that ignore letter case.
    virtual bool sameFile(const QByteArray &a, const QByteArray &b) = 0;
    // What the name leads to, links followed: only a regular file is renamed.
    virtual Kind kind(const QByteArray &path) = 0;
    // Whether the folder's listing holds this name byte for byte. A file system that
    // ignores case finds "Song.mp3" when asked for it, but lists it as "song.mp3". When
    // the folder cannot be read it answers true: nothing can then be taken for the same.
    virtual bool listsName(const QByteArray &folder, const QByteArray &name) = 0;
    // Reads the folder once into entries, with what each entry says it is (no kind where
    // it does not tell: a link, whose target decides, or a file system that leaves it
    // unknown); false when it cannot be read. The default reads nothing, so a file
    // system without listings is asked name by name.
    virtual bool listInto(const QByteArray &folder, FolderIndex &entries);
    // The device of the folder's files, when the inodes its listing gives are the ones a
    // stat of each file would give; none otherwise (an overlay mixes the devices and
    // inodes of the layers beneath), or when it cannot be told. The default tells none,
    // so a file system without it is asked file by file.
    virtual std::optional<quint64> listedDevice(const QByteArray &folder);
    // Whether the folder's files keep their inode numbers from one mount to the next.
    // FAT, exFAT and most user-space file systems number them anew at each mount, so a
    // stick plugged in again has other numbers for the same files. The default: yes.
    virtual bool lastingInodes(const QByteArray &folder);
    virtual QString describe(int code) const = 0;

    // The real file system. Stateless, so one shared instance is enough.
    static FileSystem &native();
};
