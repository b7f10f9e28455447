#include "FolderKinds.h"

#include "PathHelpers.h"

namespace {

// Below this many names a stat each costs no more calls than opening and reading the
// folder, and never reads a large folder for one file.
constexpr qsizetype kListFrom = 4;

// The folder part with its separator, and the name after it.
std::pair<QByteArray, QByteArray> split(const QByteArray &path)
{
    qsizetype p = path.size() - 1;
    while (p >= 0 && !isPathSeparator(QLatin1Char(path.at(p))))
        --p;
    return {path.left(p + 1), path.mid(p + 1)};
}

} // namespace

FolderKinds::FolderKinds(const QList<QByteArray> &paths, FileSystem &fs) : m_fs(fs)
{
    for (const QByteArray &path : paths)
        ++m_namesPerFolder[split(path).first];
}

FileSystem::Kind FolderKinds::kind(const QByteArray &path)
{
    const auto [folder, name] = split(path);
    if (const FileSystem::Listing *entries = listing(folder)) {
        const auto found = entries->constFind(name);
        if (found != entries->cend() && found->has_value())
            return **found;
    }
    return m_fs.kind(path);
}

const FileSystem::Listing *FolderKinds::listing(const QByteArray &folder)
{
    if (m_namesPerFolder.value(folder) < kListFrom)
        return nullptr;
    auto cached = m_listings.find(folder);
    if (cached == m_listings.end()) {
        FileSystem::Listing entries;
        cached = m_listings.insert(folder, m_fs.list(folder, entries) ? std::optional(std::move(entries))
                                                                      : std::nullopt);
    }
    return cached->has_value() ? &**cached : nullptr;
}
