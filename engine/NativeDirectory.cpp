// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NativeDirectory.h"

#ifdef Q_OS_WIN
#include <QDir>
#else
#include "FolderReader.h"

#include <cerrno>
#include <dirent.h>
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
    FolderReader reader(folder);
    while (reader.next()) {
        if (!reader.isDotOrDotDot())
            entries.append({QByteArray(reader.name().data(), qsizetype(reader.name().size())), reader.kind()});
    }
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
