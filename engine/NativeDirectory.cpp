// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NativeDirectory.h"

#ifdef Q_OS_WIN
#include <QDir>
#else
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

QList<NativeDirectory::Entry> NativeDirectory::list(const QByteArray &folder)
{
    QList<Entry> entries;
    const QFileInfoList infos = QDir(QString::fromUtf8(folder))
                                    .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &info : infos) {
        const FileSystem::Kind kind = info.isDir() ? FileSystem::Kind::Folder
            : info.isFile()                        ? FileSystem::Kind::File
                                                   : FileSystem::Kind::Other;
        entries.append({info.fileName().toUtf8(), kind});
    }
    return entries;
}

QByteArray NativeDirectory::current()
{
    return QDir::currentPath().toUtf8();
}

#else

namespace {

FileSystem::Kind kindOf(int dirFd, const dirent &entry)
{
    if (const std::optional<FileSystem::Kind> kind = NativeDirectory::kindOfEntryType(entry.d_type))
        return *kind;
    // Links are followed, as for any other name of a file; some file systems do not
    // give the type at all.
    struct stat st;
    if (::fstatat(dirFd, entry.d_name, &st, 0) != 0)
        return FileSystem::Kind::Other;
    if (S_ISREG(st.st_mode))
        return FileSystem::Kind::File;
    return S_ISDIR(st.st_mode) ? FileSystem::Kind::Folder : FileSystem::Kind::Other;
}

} // namespace

std::optional<FileSystem::Kind> NativeDirectory::kindOfEntryType(unsigned char type)
{
    switch (type) {
    case DT_REG:
        return FileSystem::Kind::File;
    case DT_DIR:
        return FileSystem::Kind::Folder;
    case DT_LNK:
    case DT_UNKNOWN:
        return std::nullopt;
    default:
        return FileSystem::Kind::Other;
    }
}

QList<NativeDirectory::Entry> NativeDirectory::list(const QByteArray &folder)
{
    QList<Entry> entries;
    DIR *dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        entries.append({name, kindOf(::dirfd(dir), *entry)});
    }
    ::closedir(dir);
    return entries;
}

QByteArray NativeDirectory::current()
{
    QByteArray path(4096, '\0');
    while (!::getcwd(path.data(), size_t(path.size()))) {
        if (errno != ERANGE)
            return {};
        path.resize(path.size() * 2);
    }
    return QByteArray(path.constData());
}

#endif
