// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderKinds.h"

#include <cstring>

namespace {

// Below this many names a stat each costs no more calls than opening and reading the
// folder, and never reads a large folder for one file.
constexpr qsizetype kListFrom = 4;

// Where the name starts: after the last separator, or at 0. A byte scan of its own, as a
// batch splits thousands of paths and the shared test takes a QChar and a path style.
qsizetype nameStart(const QByteArray &path)
{
#ifdef Q_OS_WIN
    qsizetype p = path.size();
    while (p > 0 && path.at(p - 1) != '/' && path.at(p - 1) != '\\')
        --p;
    return p;
#else
    const void *last = ::memrchr(path.constData(), '/', size_t(path.size()));
    return last ? static_cast<const char *>(last) - path.constData() + 1 : 0;
#endif
}

// A view of part of the path, copied only where it is kept.
QByteArray view(const QByteArray &path, qsizetype from, qsizetype size)
{
    return QByteArray::fromRawData(path.constData() + from, size);
}

} // namespace

FolderKinds::FolderKinds(const QList<QByteArray> &folders, FileSystem &fs) : m_fs(fs)
{
    // Names of one folder mostly come together: count them as a run, hash once per run.
    qsizetype run = 0;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        ++run;
        if (i + 1 == folders.size() || folders.at(i + 1) != folders.at(i)) {
            m_namesPerFolder[folders.at(i)] += run;
            run = 0;
        }
    }
}

FolderKinds FolderKinds::ofPaths(const QList<QByteArray> &paths, FileSystem &fs)
{
    QList<QByteArray> folders;
    folders.reserve(paths.size());
    for (const QByteArray &path : paths) {
        if (!folders.isEmpty() && nameStart(path) == folders.constLast().size()
            && path.startsWith(folders.constLast()))
            folders.append(folders.constLast());
        else
            folders.append(path.left(nameStart(path)));
    }
    return FolderKinds(folders, fs);
}

FileSystem::Kind FolderKinds::kind(const QByteArray &path)
{
    const qsizetype start = nameStart(path);
    if (const FileSystem::Listing *entries = listing(view(path, 0, start))) {
        const auto found = entries->constFind(view(path, start, path.size() - start));
        if (found != entries->cend() && found->has_value())
            return **found;
    }
    return m_fs.kind(path);
}

FileSystem::Kind FolderKinds::kind(const QByteArray &folder, const QByteArray &name)
{
    if (const FileSystem::Listing *entries = listing(folder)) {
        const auto found = entries->constFind(name);
        if (found != entries->cend() && found->has_value())
            return **found;
    }
    return m_fs.kind(folder + name);
}

const FileSystem::Listing *FolderKinds::listing(const QByteArray &folder)
{
    if (m_last != m_listings.end() && m_last.key() == folder)
        return m_last->has_value() ? &**m_last : nullptr;
    if (m_namesPerFolder.value(folder) < kListFrom) {
        // Unless a caller wanted the whole folder anyway.
        const auto read = m_listings.constFind(folder);
        return read != m_listings.cend() && read->has_value() ? &**read : nullptr;
    }
    return names(folder);
}

const FileSystem::Listing *FolderKinds::names(const QByteArray &folder)
{
    if (m_last != m_listings.end() && m_last.key() == folder)
        return m_last->has_value() ? &**m_last : nullptr;
    m_last = m_listings.find(folder);
    if (m_last == m_listings.end()) {
        FileSystem::Listing entries;
        const QByteArray key(folder.constData(), folder.size()); // a copy: a view dies with its path
        m_last = m_listings.insert(key, m_fs.list(key, entries) ? std::optional(std::move(entries)) : std::nullopt);
    }
    return m_last->has_value() ? &**m_last : nullptr;
}
