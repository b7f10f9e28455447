// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderReader.h"

#ifndef Q_OS_WIN

#include "NativeDirectory.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

DIR *dirOf(void *dir)
{
    return static_cast<DIR *>(dir);
}

} // namespace

FolderReader::FolderReader(const QByteArray &folder) : m_dir(::opendir(folder.isEmpty() ? "." : folder.constData()))
{
}

FolderReader::~FolderReader()
{
    if (m_dir)
        ::closedir(dirOf(m_dir));
}

bool FolderReader::next()
{
    if (!m_dir)
        return false;
    // readdir says "the end" and "an error" alike; only errno tells them apart.
    errno = 0;
    m_entry = ::readdir(dirOf(m_dir));
    if (!m_entry && errno != 0)
        m_failed = true;
    return m_entry != nullptr;
}

std::string_view FolderReader::name() const
{
    return static_cast<const dirent *>(m_entry)->d_name;
}

bool FolderReader::isDotOrDotDot() const
{
    const std::string_view n = name();
    return n == "." || n == "..";
}

std::optional<FileSystem::Kind> FolderReader::typedKind() const
{
    return NativeDirectory::kindOfEntryType(static_cast<const dirent *>(m_entry)->d_type);
}

quint64 FolderReader::inode() const
{
    return quint64(static_cast<const dirent *>(m_entry)->d_ino);
}

FileSystem::Kind FolderReader::kind() const
{
    if (const std::optional<FileSystem::Kind> typed = typedKind())
        return *typed;
    // Links are followed, as for any other name of a file; some file systems do not
    // give the type at all.
    struct stat st;
    if (::fstatat(::dirfd(dirOf(m_dir)), static_cast<const dirent *>(m_entry)->d_name, &st, 0) != 0)
        return FileSystem::Kind::Other;
    if (S_ISREG(st.st_mode))
        return FileSystem::Kind::File;
    return S_ISDIR(st.st_mode) ? FileSystem::Kind::Folder : FileSystem::Kind::Other;
}

#endif
