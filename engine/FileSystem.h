#pragma once

#include <QString>

// The few file-system calls a rename needs, behind an interface so tests can make them
// fail the way a busy file, a locked folder or a read-only disk does, even as root.
// Every call returns 0 on success or the platform's error code (errno on Linux,
// GetLastError() on Windows).
class FileSystem
{
public:
    virtual ~FileSystem();

    // Renames without ever replacing an existing target.
    virtual int renameNoReplace(const QString &from, const QString &to) = 0;
    virtual int hardLink(const QString &from, const QString &to) = 0;
    virtual int removeFile(const QString &path) = 0;
    // A plain rename, which would replace a target; only used after checking none exists.
    virtual int renameReplacing(const QString &from, const QString &to) = 0;
    // Whether anything, even a dangling link, has this name.
    virtual bool exists(const QString &path) = 0;
    // Whether both names lead to the same file (as two spellings do on a file system that
    // ignores letter case).
    virtual bool sameFile(const QString &a, const QString &b) = 0;
    virtual QString describe(int code) const = 0;

    // The real file system. Stateless, so one shared instance is enough.
    static FileSystem &native();
};
