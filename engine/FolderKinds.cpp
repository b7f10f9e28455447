// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FolderKinds.h"

#include "PathHelpers.h"

namespace {

// Below this many names a stat each costs no more calls than opening and reading the
// folder, and never reads a large folder for one file.
constexpr qsizetype kListFrom = 4;

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

FolderKinds::FolderKinds(QHash<QByteArray, qsizetype> namesPerFolder, FileSystem &fs)
    : m_fs(fs), m_namesPerFolder(std::move(namesPerFolder))
{
}

FolderKinds FolderKinds::ofPaths(const QList<QByteArray> &paths, FileSystem &fs)
{
    // Counted as the constructor counts, without a list of folders beside the paths.
    QHash<QByteArray, qsizetype> namesPerFolder;
    qsizetype run = 0;
    QByteArray folder;
    for (const QByteArray &path : paths) {
        const qsizetype start = nameStart(path);
        if (run > 0 && start == folder.size() && path.startsWith(folder)) {
            ++run;
            continue;
        }
        if (run > 0)
            namesPerFolder[folder] += run;
        folder = path.left(start);
        run = 1;
    }
    if (run > 0)
        namesPerFolder[folder] += run;
    return FolderKinds(std::move(namesPerFolder), fs);
}

FileSystem::Kind FolderKinds::kind(const QByteArray &path)
{
    const qsizetype start = nameStart(path);
    const std::string_view name(path.constData() + start, size_t(path.size() - start));
    return kindIn(view(path, 0, start), name, path);
}

FileSystem::Kind FolderKinds::kind(const QByteArray &folder, const QByteArray &name)
{
    if (const FolderIndex *entries = listing(folder)) {
        if (const std::optional<FileSystem::Kind> kind = entries->typedKind({name.constData(), size_t(name.size())}))
            return *kind;
    }
    return m_fs.kind(folder + name);
}

FileSystem::Kind FolderKinds::kindIn(const QByteArray &folder, std::string_view name, const QByteArray &path)
{
    if (const FolderIndex *entries = listing(folder)) {
        if (const std::optional<FileSystem::Kind> kind = entries->typedKind(name))
            return *kind;
    }
    return m_fs.kind(path);
}

std::optional<FileIdentity> FolderKinds::listedIdentity(const QByteArray &folder, const QByteArray &name)
{
    const FolderIndex *entries = listing(folder);
    if (!entries)
        return std::nullopt;
    const std::optional<quint64> inode = entries->inode({name.constData(), size_t(name.size())});
    if (!inode)
        return std::nullopt;
    // Asked for every file of a folder in turn: the last folder's answer is kept.
    if (m_lastDevice == m_devices.cend() || m_lastDevice.key() != folder) {
        m_lastDevice = m_devices.constFind(folder);
        if (m_lastDevice == m_devices.cend())
            m_lastDevice = m_devices.insert(folder, m_fs.listedDevice(folder));
    }
    if (!*m_lastDevice)
        return std::nullopt;
    return FileIdentity::listed(**m_lastDevice, *inode);
}

const FolderIndex *FolderKinds::listing(const QByteArray &folder)
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

const FolderIndex *FolderKinds::names(const QByteArray &folder)
{
    if (m_last != m_listings.end() && m_last.key() == folder)
        return m_last->has_value() ? &**m_last : nullptr;
    m_last = m_listings.find(folder);
    if (m_last == m_listings.end()) {
        FolderIndex entries;
        // The batch's names are most of a folder worth a listing, mostly of a song's length.
        const qsizetype expected = m_namesPerFolder.value(folder);
        entries.reserve(expected, expected * 40);
        const QByteArray key(folder.constData(), folder.size()); // a copy: a view dies with its path
        const bool read = m_fs.listInto(key, entries);
        m_last = m_listings.emplace(key, read ? std::optional(std::move(entries)) : std::nullopt);
    }
    return m_last->has_value() ? &**m_last : nullptr;
}
