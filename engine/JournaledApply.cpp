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

// The journal's entries for the plan's due entries, one at a time, identities taken
// as each is asked for: from the folders' listings where kinds has read them, else a
// stat per file.
class PlanIntentFeed
{
public:
    PlanIntentFeed(const RenamePlan &plan, FolderKinds *kinds) : m_plan(plan), m_kinds(kinds) {}
    ~PlanIntentFeed() { FileIdentity::closeFolder(m_folder); }

    JournalEntryView next()
    {
        while (!m_plan.entries().at(m_at).isDue())
            ++m_at;
        const PlanEntry &p = m_plan.entries().at(m_at++);
        const QByteArray &dir = p.dir.native();
        if (dir != m_lastDir || m_absoluteDir.isNull()) {
            m_lastDir = dir;
            m_absoluteDir = absoluteFolder(dir, m_current);
        }
        const QByteArray &oldName = p.source.native();
        return {m_absoluteDir, oldName, p.target, identityOf(dir, oldName).value_or(FileIdentity{})};
    }

private:
    std::optional<FileIdentity> identityOf(const QByteArray &dir, const QByteArray &name)
    {
        // The listing the batch read anyway spares a stat per file.
        if (std::optional<FileIdentity> listed = m_kinds ? m_kinds->listedIdentity(dir, name) : std::nullopt)
            return listed;
        if (m_folder < 0 || dir != m_openDir) {
            FileIdentity::closeFolder(m_folder);
            m_openDir = dir;
            m_folder = FileIdentity::openFolder(dir);
        }
        return m_folder >= 0 ? FileIdentity::in(m_folder, name) : FileIdentity::of(dir + name);
    }

    const RenamePlan &m_plan;
    FolderKinds *const m_kinds;
    qsizetype m_at = 0;
    QByteArray m_current;
    QByteArray m_lastDir;
    QByteArray m_absoluteDir;
    QByteArray m_openDir;
    int m_folder = -1;
};

// Where each due entry's record goes in the journal, -1 for the others; the number
// of due entries.
qsizetype journalIndexOf(const RenamePlan &plan, QList<qsizetype> &journalIndex)
{
    journalIndex.fill(-1, plan.size());
    qsizetype due = 0;
    for (qsizetype i = 0; i < plan.size(); ++i) {
        if (plan.entries().at(i).isDue())
            journalIndex[i] = due++;
    }
    return due;
}

} // namespace

JournaledOutcome applyJournaled(RenamePlan &plan, RenameJournal *journal, FileSystem &fs, FolderKinds *kinds,
                                const std::function<void(const PlanResult &)> &onEach)
{
    JournaledOutcome outcome;
    QList<qsizetype> journalIndex;
    if (journal) {
        PlanIntentFeed feed(plan, kinds);
        outcome.refused = journal->beginPass(journalIndexOf(plan, journalIndex), [&] { return feed.next(); });
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
