#pragma once

#include "FileSystem.h"

// The operating system's own calls: renameat2 on Linux, MoveFileExW on Windows.
class NativeFileSystem : public FileSystem
{
public:
    int renameNoReplace(const QString &from, const QString &to) override;
    int hardLink(const QString &from, const QString &to) override;
    int removeFile(const QString &path) override;
    int renameReplacing(const QString &from, const QString &to) override;
    bool exists(const QString &path) override;
    bool sameFile(const QString &a, const QString &b) override;
    QString describe(int code) const override;
};
