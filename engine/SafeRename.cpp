// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "SafeRename.h"

#include "PathHelpers.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

namespace {

RenameResult failed(int code, FileSystem &fs)
{
    switch (classifyRenameError(code)) {
    case RenameFailure::TargetExists:
        return {RenameFailure::TargetExists,
                {58, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "File already exists"))}};
    case RenameFailure::AccessDenied:
        return {RenameFailure::AccessDenied,
                {75, QStringLiteral(QT_TRANSLATE_NOOP("ErrorInfo", "Path/File access error"))}};
    default:
        return {RenameFailure::Other, {code, fs.describe(code)}};
    }
}

bool isExistsError(int code)
{
    return classifyRenameError(code) == RenameFailure::TargetExists;
}

// The longest name most file systems take, in bytes (in UTF-16 units on Windows).
constexpr qsizetype kNameMax = 255;

#ifdef Q_OS_WIN
constexpr int kInvalidName = ERROR_INVALID_NAME;

int moveNoReplace(FileSystem &fs, const QByteArray &from, const QByteArray &to)
{
    return fs.renameNoReplace(from, to);
}
#else
constexpr int kInvalidName = EINVAL;

// renameat2 answers EINVAL where a file system (NFS, some FUSE) lacks RENAME_NOREPLACE,
// ENOSYS on old kernels. Then a hard link refuses an existing target just as well; where
// links are missing too (vfat), a rename after checking that the target is absent.
int moveNoReplace(FileSystem &fs, const QByteArray &from, const QByteArray &to)
{
    const int code = fs.renameNoReplace(from, to);
    if (code != EINVAL && code != ENOSYS)
        return code;
    const int linkCode = fs.hardLink(from, to);
    if (linkCode == 0) {
        const int unlinkCode = fs.removeFile(from);
        if (unlinkCode != 0)
            fs.removeFile(to);
        return unlinkCode;
    }
    if (linkCode == EEXIST)
        return linkCode;
    if (fs.exists(to))
        return EEXIST;
    return fs.renameReplacing(from, to);
}
#endif

// One allocation for a path, none for a name in the current folder (a command line's
// usual FILE); operator+ copies the folder and then grows the copy.
QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    if (folder.isEmpty())
        return name;
    QByteArray path(folder.size() + name.size(), Qt::Uninitialized);
    std::copy(name.cbegin(), name.cend(), std::copy(folder.cbegin(), folder.cend(), path.begin()));
    return path;
}

bool isValidTargetName(const QByteArray &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !holdsSeparatorOrNul(name);
}

std::optional<QString> utf8Text(const QByteArray &name)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(name);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// Only names that are both text can differ in letter case alone; a legacy name never
// lives on a file system that ignores case, which stores its names as UTF-16.
bool differsInCaseOnly(const QByteArray &oldName, const QByteArray &newName)
{
    const std::optional<QString> a = utf8Text(oldName);
    const std::optional<QString> b = utf8Text(newName);
    return a && b && QString::compare(*a, *b, Qt::CaseInsensitive) == 0;
}

// Only a regular file is renamed: a name picked for a song may have become a folder, a
// socket or a device since the preview.
ErrorInfo notAFile(FileSystem::Kind kind, FileSystem &fs)
{
#ifdef Q_OS_WIN
    const int folderCode = ERROR_DIRECTORY;
    const int otherCode = ERROR_INVALID_FUNCTION;
#else
    const int folderCode = EISDIR;
    const int otherCode = ENODEV;
#endif
    if (kind == FileSystem::Kind::Folder)
        return {folderCode, fs.describe(folderCode)};
    return {otherCode, QStringLiteral("Not a regular file (a socket, device or pipe)")};
}

RenameResult renameThroughTemporaryName(FileSystem &fs, const QByteArray &folder, const QByteArray &from,
                                        const QByteArray &to)
{
    QByteArray temporary;
    int code = 0;
    // The old name stays in the stand-in, so a file stranded by a crash between the two
    // steps can be told; a name near the length limit gets a short stand-in instead.
    const QByteArray oldName = from.mid(folder.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray prefix = ".marlune-" + QByteArray::number(attempt) + '-';
        temporary = folder + (prefix.size() + oldName.size() <= kNameMax ? prefix + oldName : prefix);
        code = moveNoReplace(fs, from, temporary);
        if (!isExistsError(code))
            break;
    }
    if (code != 0)
        return failed(code, fs);
    code = moveNoReplace(fs, temporary, to);
    if (code != 0) {
        moveNoReplace(fs, temporary, from);
        return failed(code, fs);
    }
    return {};
}

} // namespace

RenameFailure classifyRenameError(int code)
{
#ifdef Q_OS_WIN
    switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return RenameFailure::TargetExists;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return RenameFailure::AccessDenied;
    default:
        return code == 0 ? RenameFailure::None : RenameFailure::Other;
    }
#else
    switch (code) {
    case 0:
        return RenameFailure::None;
    case EEXIST:
    case ENOTEMPTY:
        return RenameFailure::TargetExists;
    case EACCES:
    case EPERM:
    case EBUSY:
    case ETXTBSY:
    case EROFS:
        return RenameFailure::AccessDenied;
    default:
        return RenameFailure::Other;
    }
#endif
}

RenameResult SafeRename(const QByteArray &folder, const QByteArray &oldName, const QByteArray &newName, FileSystem &fs)
{
    return SafeRename(folder, oldName, newName, [&] { return fs.kind(folder + oldName); }, fs);
}

RenameResult SafeRename(const QByteArray &folder, const QByteArray &oldName, const QByteArray &newName,
                        const std::function<FileSystem::Kind()> &kindOf, FileSystem &fs)
{
    if (newName == oldName)
        return {};
    if (!isValidTargetName(newName))
        return {RenameFailure::Other, {kInvalidName, fs.describe(kInvalidName)}};
    const QByteArray from = joined(folder, oldName);
    const QByteArray to = joined(folder, newName);
    if (const FileSystem::Kind kind = kindOf(); kind == FileSystem::Kind::Folder || kind == FileSystem::Kind::Other)
        return {RenameFailure::Other, notAFile(kind, fs)};
    const int code = moveNoReplace(fs, from, to);
    if (code == 0)
        return {};
    if (isExistsError(code) && differsInCaseOnly(oldName, newName) && sameEntry(fs, folder, from, to, newName))
        return renameThroughTemporaryName(fs, folder, from, to);
    return failed(code, fs);
}

RenameResult SafeRename(const QString &folder, const QString &oldName, const QString &newName, FileSystem &fs)
{
    return SafeRename(folder.toUtf8(), oldName.toUtf8(), newName.toUtf8(), fs);
}

bool sameEntry(FileSystem &fs, const QByteArray &folder, const QByteArray &from, const QByteArray &to,
               const QByteArray &newName)
{
    return fs.sameFile(from, to) || !fs.listsName(folder, newName);
}
