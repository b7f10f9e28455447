// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NativeFileSystem.h"

#include "FolderIndex.h"
#include "FolderReader.h"

#include <algorithm>
#include <iterator>

#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#ifdef Q_OS_LINUX
#include <sys/vfs.h>
#endif
#include <unistd.h>
#endif

FileSystem::~FileSystem() = default;

bool FileSystem::listInto(const QByteArray &, FolderIndex &)
{
    return false;
}

std::optional<quint64> FileSystem::listedDevice(const QByteArray &)
{
    return std::nullopt;
}

bool FileSystem::lastingInodes(const QByteArray &)
{
    return true;
}

FileSystem &FileSystem::native()
{
    static NativeFileSystem fs;
    return fs;
}

#ifdef Q_OS_WIN

namespace {
int lastError(BOOL ok) { return ok ? 0 : int(GetLastError()); }
// Native names on Windows are kept as the UTF-8 form of their UTF-16 text.
std::wstring w(const QByteArray &s) { return QString::fromUtf8(s).toStdWString(); }
} // namespace

int NativeFileSystem::renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    return lastError(MoveFileExW(w(from).c_str(), w(to).c_str(), 0));
}

int NativeFileSystem::hardLink(const QByteArray &from, const QByteArray &to)
{
    return lastError(CreateHardLinkW(w(to).c_str(), w(from).c_str(), nullptr));
}

int NativeFileSystem::removeFile(const QByteArray &path)
{
    return lastError(DeleteFileW(w(path).c_str()));
}

int NativeFileSystem::renameReplacing(const QByteArray &from, const QByteArray &to)
{
    return lastError(MoveFileExW(w(from).c_str(), w(to).c_str(), MOVEFILE_REPLACE_EXISTING));
}

bool NativeFileSystem::exists(const QByteArray &path)
{
    return GetFileAttributesW(w(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool NativeFileSystem::sameFile(const QByteArray &a, const QByteArray &b)
{
    // MoveFileExW itself accepts a change of letter case on the same file.
    return QString::compare(QString::fromUtf8(a), QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

FileSystem::Kind NativeFileSystem::kind(const QByteArray &path)
{
    const DWORD attributes = GetFileAttributesW(w(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Kind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Kind::Folder;
    return (attributes & FILE_ATTRIBUTE_DEVICE) ? Kind::Other : Kind::File;
}

bool NativeFileSystem::listsName(const QByteArray &folder, const QByteArray &name)
{
    WIN32_FIND_DATAW found;
    const HANDLE h = FindFirstFileW(w(folder + name).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return true;
    FindClose(h);
    return QString::fromWCharArray(found.cFileName).toUtf8() == name;
}

QString NativeFileSystem::describe(int code) const
{
    wchar_t *buffer = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, DWORD(code), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    const QString text = buffer ? QString::fromWCharArray(buffer).trimmed() : QString();
    LocalFree(buffer);
    return text;
}

#else

namespace {

int result(int rc)
{
    return rc == 0 ? 0 : errno;
}

const char *n(const QByteArray &path)
{
    return path.constData();
}

} // namespace

int NativeFileSystem::renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#ifdef SYS_renameat2
    return result(int(::syscall(SYS_renameat2, AT_FDCWD, n(from), AT_FDCWD, n(to),
                                1u /* RENAME_NOREPLACE */)));
#else
    return EINVAL;
#endif
}

int NativeFileSystem::hardLink(const QByteArray &from, const QByteArray &to)
{
    return result(::link(n(from), n(to)));
}

int NativeFileSystem::removeFile(const QByteArray &path)
{
    return result(::unlink(n(path)));
}

int NativeFileSystem::renameReplacing(const QByteArray &from, const QByteArray &to)
{
    return result(std::rename(n(from), n(to)));
}

bool NativeFileSystem::exists(const QByteArray &path)
{
    struct stat st;
    return ::lstat(n(path), &st) == 0;
}

bool NativeFileSystem::sameFile(const QByteArray &a, const QByteArray &b)
{
    struct stat sa, sb;
    if (::lstat(n(a), &sa) != 0 || ::lstat(n(b), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

FileSystem::Kind NativeFileSystem::kind(const QByteArray &path)
{
    struct stat st;
    if (::stat(n(path), &st) != 0)
        return ::lstat(n(path), &st) == 0 ? Kind::Other : Kind::Missing;
    if (S_ISREG(st.st_mode))
        return Kind::File;
    return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;
}

bool NativeFileSystem::listsName(const QByteArray &folder, const QByteArray &name)
{
    FolderReader reader(folder);
    if (!reader.isOpen())
        return true;
    const std::string_view wanted(name.constData(), size_t(name.size()));
    while (reader.next()) {
        if (reader.name() == wanted)
            return true;
    }
    return false;
}

bool NativeFileSystem::listInto(const QByteArray &folder, FolderIndex &entries)
{
    FolderReader reader(folder);
    if (!reader.isOpen())
        return false;
    while (reader.next())
        entries.add(reader.name(), reader.typedKind(), reader.inode());
    // A listing cut short is not used at all: the names are then asked for one by one.
    return !reader.failed();
}

namespace {

// File systems that give each file its own lasting inode, the same in a listing as in
// a stat of the file. Elsewhere a listing's number may not be the file's: FAT and
// exFAT make one up for a name not looked up yet and number files anew at each mount,
// an overlay may give its lower layer's, a user-space file system whatever its program
// chooses.
bool keepsInodes(const char *path)
{
#ifdef Q_OS_LINUX
    constexpr long kTrusted[] = {
        0xEF53,     // ext2, ext3, ext4
        0x58465342, // xfs
        0x9123683E, // btrfs
        0x01021994, // tmpfs
        0xF2F52010, // f2fs
    };
    struct statfs fsInfo;
    return ::statfs(path, &fsInfo) == 0
        && std::find(std::begin(kTrusted), std::end(kTrusted), long(fsInfo.f_type)) != std::end(kTrusted);
#else
    Q_UNUSED(path);
    return false;
#endif
}

const char *folderPath(const QByteArray &folder)
{
    return folder.isEmpty() ? "." : folder.constData();
}

} // namespace

std::optional<quint64> NativeFileSystem::listedDevice(const QByteArray &folder)
{
    struct stat st;
    if (!keepsInodes(folderPath(folder)) || ::stat(folderPath(folder), &st) != 0)
        return std::nullopt;
    return quint64(st.st_dev);
}

bool NativeFileSystem::lastingInodes(const QByteArray &folder)
{
    return keepsInodes(folderPath(folder));
}

QString NativeFileSystem::describe(int code) const
{
    return QString::fromLocal8Bit(std::strerror(code));
}

#endif
