#include "FolderKinds.h"

#include "PathHelpers.h"

namespace {

// Below this many names a stat each costs no more calls than opening and reading the
// folder, and never reads a large folder for one file.
constexpr qsizetype kListFrom = 4;

// Where the name starts: after the last separator, or at 0.
qsizetype nameStart(const QByteArray &path)
{
    qsizetype p = path.size();
    while (p > 0 && !isPathSeparator(QLatin1Char(path.at(p - 1))))
        --p;
    return p;
}

} // namespace

FolderKinds::FolderKinds(const QList<QByteArray> &paths, FileSystem &fs) : m_fs(fs)
{
    for (const QByteArray &path : paths)
        ++m_namesPerFolder[path.left(nameStart(path))];
}

FileSystem::Kind FolderKinds::kind(const QByteArray &path)
{
    const qsizetype start = nameStart(path);
    // Views into the path: a batch asks thousands of times, mostly about one folder.
    const QByteArray folder = QByteArray::fromRawData(path.constData(), start);
    const QByteArray name = QByteArray::fromRawData(path.constData() + start, path.size() - start);
    if (const FileSystem::Listing *entries = listing(folder)) {
        const auto found = entries->constFind(name);
        if (found != entries->cend() && found->has_value())
            return **found;
    }
    return m_fs.kind(path);
}

const FileSystem::Listing *FolderKinds::listing(const QByteArray &folder)
{
    if (m_last != m_listings.end() && m_last.key() == folder)
        return m_last->has_value() ? &**m_last : nullptr;
    if (m_namesPerFolder.value(folder) < kListFrom)
        return nullptr;
    m_last = m_listings.find(folder);
    if (m_last == m_listings.end()) {
        FileSystem::Listing entries;
        const QByteArray key(folder.constData(), folder.size()); // a copy: the view dies with the path
        m_last = m_listings.insert(key, m_fs.list(key, entries) ? std::optional(std::move(entries)) : std::nullopt);
    }
    return m_last->has_value() ? &**m_last : nullptr;
}
