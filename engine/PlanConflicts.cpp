// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PlanConflicts.h"

namespace {

QByteArray folded(const QByteArray &name)
{
    return QString::fromUtf8(name).toCaseFolded().toUtf8();
}

// The name with the letter case of every ASCII letter turned over; empty when it has none.
QByteArray otherCase(const QByteArray &name)
{
    QByteArray out = name;
    bool changed = false;
    for (char &c : out) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            c ^= 0x20;
            changed = true;
        }
    }
    return changed ? out : QByteArray();
}

QByteArray bytesOf(std::string_view name)
{
    return QByteArray(name.data(), qsizetype(name.size()));
}

} // namespace

void PlanConflicts::FirstTwo::add(qsizetype entry)
{
    if (first < 0)
        first = entry;
    else if (second < 0 && entry != first)
        second = entry;
}

QByteArray PlanConflicts::Folder::key(const QByteArray &name) const
{
    return ignoresCase ? folded(name) : name;
}

bool PlanConflicts::Folder::listed(const QByteArray &key) const
{
    if (ignoresCase)
        return foldedListing.contains(key);
    return listing && listing->contains({key.constData(), size_t(key.size())});
}

PlanConflicts::PlanConflicts(FolderKinds &kinds, FileSystem &fs) : m_kinds(kinds), m_fs(fs) {}

void PlanConflicts::mark(RenamePlan &plan)
{
    const QList<PlanEntry> &entries = plan.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const PlanEntry &entry = entries.at(i);
        Folder &f = folder(entry.dir.native());
        // An entry without a proposal keeps its name, which another entry may want.
        f.sources[f.key(entry.source.native())].add(i);
        if (entry.hasProposal())
            f.targets[f.key(entry.target)].add(i);
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).hasProposal())
            plan.setConflict(i, conflictOf(plan, i, entries.at(i).target));
    }
}

PlanConflict PlanConflicts::conflictOf(const RenamePlan &plan, qsizetype entry, const QByteArray &target)
{
    const PlanEntry &e = plan.entries().at(entry);
    const Folder &f = m_folders[e.dir.native()];
    const QByteArray key = f.key(target);
    // The file's own name in another spelling is a case-only rename, which works.
    if (key == f.key(e.source.native()))
        return {};
    const auto otherName = [&](qsizetype other) { return plan.entries().at(other).source.text(); };
    if (const auto holder = f.sources.constFind(key); holder != f.sources.cend() && holder->otherThan(entry) >= 0)
        return {PlanConflict::Kind::CurrentName, otherName(holder->otherThan(entry))};
    // A file already there fails every entry that wants its name, whoever comes first.
    if (f.listed(key))
        return {PlanConflict::Kind::Exists, {}};
    if (const auto rival = f.targets.constFind(key); rival != f.targets.cend() && rival->otherThan(entry) >= 0)
        return {PlanConflict::Kind::SameTarget, otherName(rival->otherThan(entry))};
    return {};
}

PlanConflicts::Folder &PlanConflicts::folder(const QByteArray &dir)
{
    const auto known = m_folders.find(dir);
    if (known != m_folders.end())
        return *known;
    Folder f;
    f.listing = m_kinds.names(dir);
    if (f.listing && probeIgnoresCase(dir, *f.listing)) {
        f.ignoresCase = true;
        f.foldedListing.reserve(f.listing->size());
        for (qsizetype i = 0; i < f.listing->size(); ++i)
            f.foldedListing.insert(folded(bytesOf(f.listing->name(i))));
    }
    return *m_folders.insert(dir, std::move(f));
}

// A listed name asked for in the other letter case answers on a file system that
// ignores case only. A folder whose names hold no ASCII letter is taken to respect case.
bool PlanConflicts::probeIgnoresCase(const QByteArray &dir, const FolderIndex &listing)
{
    for (qsizetype i = 0; i < listing.size(); ++i) {
        const QByteArray other = otherCase(bytesOf(listing.name(i)));
        if (!other.isEmpty() && !listing.contains({other.constData(), size_t(other.size())}))
            return m_fs.exists(dir + other);
    }
    return false;
}
