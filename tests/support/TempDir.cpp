// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

namespace {

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    ::remove(path);
    return 0;
}

} // namespace

TempDir::TempDir() = default;

TempDir::~TempDir()
{
    if (m_dir.isValid())
        ::nftw(nativePath().constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

QByteArray TempDir::nativePath() const
{
    return QFile::encodeName(path());
}

QByteArray TempDir::writeNative(const QByteArray &name, const QByteArray &bytes) const
{
    const QByteArray full = nativePath() + '/' + name;
    const int fd = ::open(full.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, bytes.constData(), size_t(bytes.size()));
        ::close(fd);
    }
    return full;
}

QByteArray TempDir::readNative(const QByteArray &name) const
{
    QByteArray bytes;
    const int fd = ::open((nativePath() + '/' + name).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(fd);
    return bytes;
}

QList<QByteArray> TempDir::nativeEntries() const
{
    QList<QByteArray> names;
    if (DIR *dir = ::opendir(nativePath().constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names.append(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString TempDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString full = filePath(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return full;
}

QByteArray TempDir::read(const QString &name) const
{
    QFile f(filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempDir::exists(const QString &name) const
{
    return QFileInfo::exists(filePath(name));
}

QStringList TempDir::entries() const
{
    return QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}
