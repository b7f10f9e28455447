// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "JournaledApply.h"

#include <QDir>

#ifdef Q_OS_UNIX
#include <climits>
#include <unistd.h>
#endif

namespace {

// An undo may run from anywhere, so a folder given relative to the current one is
// kept whole.
QByteArray absoluteFolder(const QByteArray &dir, QByteArray &current)
{
#ifdef Q_OS_UNIX
    if (dir.startsWith('/'))
        return dir;
    if (current.isEmpty()) {
        char buffer[PATH_MAX];
        current = ::getcwd(buffer, sizeof buffer) ? QByteArray(buffer) : QByteArray(".");
        if (!current.endsWith('/'))
            current += '/';
    }
    return current + dir;
#else
    Q_UNUSED(current);
    const QString text = QString::fromUtf8(dir);
    return QDir::isAbsolutePath(text) ? dir : (QDir::currentPath() + u'/' + text).toUtf8();
#endif
}

} // namespace

QList<JournalEntry> journalEntriesOf(const RenamePlan &plan, QList<qsizetype> &journalIndex, FolderKinds *kinds)
{
    QList<JournalEntry> entries;
    entries.reserve(plan.size());
    journalIndex.fill(-1, plan.size());
    QByteArray current;
    QByteArray lastDir;
    QByteArray absoluteDir;
    QByteArray openDir;
    int folder = -1;
    for (qsizetype i = 0; i < plan.size(); ++i) {
        const PlanEntry &p = plan.entries().at(i);
        if (!p.selected || p.state != PlanEntry::State::Proposed)
            continue;
        if (p.dir.native() != lastDir || absoluteDir.isNull()) {
            lastDir = p.dir.native();
            absoluteDir = absoluteFolder(lastDir, current);
        }
        JournalEntry e;
        e.dir = absoluteDir; // shared by the folder's entries, not made anew for each
        e.oldName = p.source.native();
        e.newName = p.target;
        // The listing the batch read anyway spares a stat per file.
        std::optional<FileIdentity> identity = kinds ? kinds->listedIdentity(p.dir.native(), e.oldName) : std::nullopt;
        if (!identity) {
            if (folder < 0 || p.dir.native() != openDir) {
                FileIdentity::closeFolder(folder);
                openDir = p.dir.native();
                folder = FileIdentity::openFolder(openDir);
            }
            identity = folder >= 0 ? FileIdentity::in(folder, e.oldName) : FileIdentity::of(p.dir.native() + e.oldName);
        }
        e.identity = identity.value_or(FileIdentity{});
        journalIndex[i] = entries.size();
        entries.append(e);
    }
    FileIdentity::closeFolder(folder);
    return entries;
}

JournaledOutcome applyJournaled(RenamePlan &plan, RenameJournal *journal, FileSystem &fs, FolderKinds *kinds,
                                const std::function<void(const PlanResult &)> &onEach)
{
    JournaledOutcome outcome;
    QList<qsizetype> journalIndex;
    if (journal) {
        outcome.refused = journal->beginPass(journalEntriesOf(plan, journalIndex, kinds));
        if (!outcome.refused.isEmpty())
            return outcome;
    }
    const auto each = [&](const PlanResult &result) {
        if (journal && result.state == PlanEntry::State::Renamed)
            journal->recordRenamed(journalIndex.at(result.entry));
        if (onEach)
            onEach(result);
    };
    // Each result goes to onEach as it comes; a batch keeps no list of them.
    if (kinds)
        applyPlanEach(plan, *kinds, fs, each);
    else
        applyPlan(plan, fs, each);
    if (journal)
        outcome.warning = journal->endPass();
    return outcome;
}
