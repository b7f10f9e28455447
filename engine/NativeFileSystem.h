// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"

// The operating system's own calls: renameat2 on Linux, MoveFileExW on Windows.
class NativeFileSystem : public FileSystem
{
public:
    int renameNoReplace(const QByteArray &from, const QByteArray &to) override;
    int hardLink(const QByteArray &from, const QByteArray &to) override;
    int removeFile(const QByteArray &path) override;
    int renameReplacing(const QByteArray &from, const QByteArray &to) override;
    bool exists(const QByteArray &path) override;
    bool sameFile(const QByteArray &a, const QByteArray &b) override;
    Kind kind(const QByteArray &path) override;
    bool listsName(const QByteArray &folder, const QByteArray &name) override;
#ifndef Q_OS_WIN
    bool listInto(const QByteArray &folder, FolderIndex &entries) override;
    std::optional<quint64> listedDevice(const QByteArray &folder) override;
    bool lastingInodes(const QByteArray &folder) override;
#endif
    QString describe(int code) const override;
};
