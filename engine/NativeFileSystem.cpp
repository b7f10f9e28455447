#include "NativeFileSystem.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

FileSystem::~FileSystem() = default;

FileSystem &FileSystem::native()
{
    static NativeFileSystem fs;
    return fs;
}

#ifdef Q_OS_WIN

namespace {
int lastError(BOOL ok) { return ok ? 0 : int(GetLastError()); }
const wchar_t *w(const QString &s) { return reinterpret_cast<const wchar_t *>(s.utf16()); }
} // namespace

int NativeFileSystem::renameNoReplace(const QString &from, const QString &to)
{
    return lastError(MoveFileExW(w(from), w(to), 0));
}

int NativeFileSystem::hardLink(const QString &from, const QString &to)
{
    return lastError(CreateHardLinkW(w(to), w(from), nullptr));
}

int NativeFileSystem::removeFile(const QString &path)
{
    return lastError(DeleteFileW(w(path)));
}

int NativeFileSystem::renameReplacing(const QString &from, const QString &to)
{
    return lastError(MoveFileExW(w(from), w(to), MOVEFILE_REPLACE_EXISTING));
}

bool NativeFileSystem::exists(const QString &path)
{
    return GetFileAttributesW(w(path)) != INVALID_FILE_ATTRIBUTES;
}

bool NativeFileSystem::sameFile(const QString &a, const QString &b)
{
    // MoveFileExW itself accepts a change of letter case on the same file.
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
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

QByteArray n(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

int NativeFileSystem::renameNoReplace(const QString &from, const QString &to)
{
#ifdef SYS_renameat2
    return result(int(::syscall(SYS_renameat2, AT_FDCWD, n(from).constData(), AT_FDCWD, n(to).constData(),
                                1u /* RENAME_NOREPLACE */)));
#else
    return EINVAL;
#endif
}

int NativeFileSystem::hardLink(const QString &from, const QString &to)
{
    return result(::link(n(from).constData(), n(to).constData()));
}

int NativeFileSystem::removeFile(const QString &path)
{
    return result(::unlink(n(path).constData()));
}

int NativeFileSystem::renameReplacing(const QString &from, const QString &to)
{
    return result(std::rename(n(from).constData(), n(to).constData()));
}

bool NativeFileSystem::exists(const QString &path)
{
    struct stat st;
    return ::lstat(n(path).constData(), &st) == 0;
}

bool NativeFileSystem::sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    if (::lstat(n(a).constData(), &sa) != 0 || ::lstat(n(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QString NativeFileSystem::describe(int code) const
{
    return QString::fromLocal8Bit(std::strerror(code));
}

#endif
