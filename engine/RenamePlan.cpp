// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenamePlan.h"

#include "FolderKinds.h"
#include "NameNormaliser.h"
#include "PathHelpers.h"

#include <vector>

namespace {

// Passes counts through and remembers the last one given, so an entry keeps the count
// its proposal was made with.
class RecordingCountSource : public CountSource
{
public:
    explicit RecordingCountSource(CountSource &inner) : m_inner(inner) {}

    std::optional<int> wordCount(const QString &oldName, const QString &workingName) override
    {
        m_last = m_inner.wordCount(oldName, workingName);
        return m_last;
    }
    std::optional<int> last() const { return m_last; }

private:
    CountSource &m_inner;
    std::optional<int> m_last;
};

PlanResult applyEntry(PlanEntry &entry, qsizetype index, FileSystem::Kind kind, FileSystem &fs)
{
    PlanResult result{index, PlanEntry::State::Changed, {}};
    // The user confirmed the proposal; anything else is not what they agreed to.
    if (!RenamePlan::targetIsProposal(entry)) {
        result.rename.failure = RenameFailure::Other;
    } else {
        result.rename = SafeRename(entry.dir.native(), entry.source.native(), entry.target, [kind] { return kind; }, fs);
        result.state = result.rename.ok() ? PlanEntry::State::Renamed : PlanEntry::State::Failed;
    }
    entry.state = result.state;
    return result;
}

// What each due file is, asked for all of them in one run before the first rename: a
// folder's listing is then still in the processor's cache, where between two renames
// it no longer is. A file that keeps its name is never renamed, so it is not asked for.
std::vector<FileSystem::Kind> kindsOfDue(const RenamePlan &plan, FolderKinds &kinds)
{
    std::vector<FileSystem::Kind> due;
    due.reserve(size_t(plan.size()));
    for (const PlanEntry &entry : plan.entries()) {
        if (!entry.isDue())
            continue;
        const bool renamed = entry.target != entry.source.native();
        due.push_back(renamed ? kinds.kind(entry.dir.native(), entry.source.native()) : FileSystem::Kind::File);
    }
    return due;
}

} // namespace

RenamePlan::Source RenamePlan::sourceOf(const QByteArray &path, const NameDecoder &decoder)
{
    const qsizetype start = nameStart(path);
    return {decoder.decode(path.left(start)), decoder.decode(path.mid(start))};
}

RenamePlan RenamePlan::build(const QList<Source> &files, NamingMode mode, CountSource &counts)
{
    RenamePlan plan;
    plan.m_entries.reserve(files.size());
    for (const Source &file : files)
        plan.add(file, mode, counts);
    return plan;
}

RenamePlan RenamePlan::build(const QList<QByteArray> &paths, const NameDecoder &decoder, NamingMode mode,
                              CountSource &counts)
{
    RenamePlan plan;
    plan.m_entries.reserve(paths.size());
    NativeName folder;
    for (const QByteArray &path : paths) {
        const qsizetype start = nameStart(path);
        if (folder.native().size() != start || !path.startsWith(folder.native()) || plan.isEmpty())
            folder = decoder.decode(path.left(start));
        plan.add({folder, decoder.decode(path.mid(start))}, mode, counts);
    }
    return plan;
}

const PlanEntry &RenamePlan::add(const Source &file, NamingMode mode, CountSource &counts)
{
    RecordingCountSource recording(counts);
    PlanEntry entry{file.dir, file.name, mode, std::nullopt, ApplyNamingMode(mode, file.name.text(), recording)};
    if (mode == NamingMode::Format && entry.proposal == emptyProposal())
        entry.state = PlanEntry::State::Empty;
    else if (mode == NamingMode::Format)
        entry.count = recording.last();
    // Written in UTF-8 whatever the old name's encoding: renaming repairs the name,
    // also when the text shown was already right.
    if (entry.hasProposal())
        entry.target = NativeName::fromText(entry.proposal).native();
    m_entries.append(std::move(entry));
    return m_entries.constLast();
}

void RenamePlan::setSelected(qsizetype entry, bool selected)
{
    if (entry >= 0 && entry < m_entries.size())
        m_entries[entry].selected = selected;
}

void RenamePlan::setConflict(qsizetype entry, const PlanConflict &conflict)
{
    if (entry >= 0 && entry < m_entries.size())
        m_entries[entry].conflict = conflict;
}

void RenamePlan::selectAll()
{
    for (PlanEntry &entry : m_entries)
        entry.selected = true;
}

QList<std::optional<int>> RenamePlan::counts() const
{
    QList<std::optional<int>> counts;
    for (const PlanEntry &entry : m_entries) {
        if (entry.hasProposal())
            counts.append(entry.count);
    }
    return counts;
}

void RenamePlan::setCounts(const QList<std::optional<int>> &counts)
{
    qsizetype k = 0;
    for (PlanEntry &entry : m_entries) {
        if (!entry.hasProposal())
            continue;
        entry.count = k < counts.size() ? counts.at(k) : std::nullopt;
        ++k;
    }
}

QString RenamePlan::target(const PlanEntry &entry)
{
    FixedCountSource source(entry.count);
    return ApplyNamingMode(entry.mode, entry.proposal, source);
}

bool RenamePlan::targetIsProposal(const PlanEntry &entry)
{
    switch (entry.mode) {
    case NamingMode::Format:
        return FormatNameKeeps(entry.proposal, entry.count.value_or(0));
    case NamingMode::Capitalize:
        return CapitalizeOnlyKeeps(entry.proposal);
    default:
        return target(entry) == entry.proposal;
    }
}

QList<PlanResult> applyPlan(RenamePlan &plan, FileSystem &fs, const std::function<void(const PlanResult &)> &onEach)
{
    QList<QByteArray> folders;
    folders.reserve(plan.size());
    for (const PlanEntry &entry : plan.entries()) {
        if (entry.isDue())
            folders.append(entry.dir.native());
    }
    // The folders are read as the renames begin, so a file that turned into a folder
    // since the preview is still caught.
    FolderKinds kinds(folders, fs);
    return applyPlan(plan, kinds, fs, onEach);
}

QList<PlanResult> applyPlan(RenamePlan &plan, FolderKinds &kinds, FileSystem &fs,
                            const std::function<void(const PlanResult &)> &onEach)
{
    QList<PlanResult> results;
    results.reserve(plan.size());
    applyPlanEach(plan, kinds, fs, [&](const PlanResult &result) {
        results.append(result);
        if (onEach)
            onEach(result);
    });
    return results;
}

void applyPlanEach(RenamePlan &plan, FolderKinds &kinds, FileSystem &fs,
                   const std::function<void(const PlanResult &)> &onEach)
{
    const std::vector<FileSystem::Kind> kindOfDue = kindsOfDue(plan, kinds);
    size_t due = 0;
    for (qsizetype i = 0; i < plan.m_entries.size(); ++i) {
        PlanEntry &entry = plan.m_entries[i];
        if (entry.isDue())
            onEach(applyEntry(entry, i, kindOfDue[due++], fs));
    }
}
