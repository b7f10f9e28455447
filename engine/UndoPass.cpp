// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "UndoPass.h"

#include <QCoreApplication>

namespace {

// Whether an undo has anything to look at in the pass. A cut-off pass may have done
// renames it had no time to record.
bool hasWork(const JournalPass &pass)
{
    for (const JournalEntry &e : pass.entries) {
        if (!e.undone && e.oldName != e.newName && (e.renamed || pass.interrupted()))
            return true;
    }
    return false;
}

} // namespace

UndoPass::UndoPass(RenameJournal &journal, FileSystem &fs) : m_journal(journal), m_fs(fs) {}

UndoPass::~UndoPass()
{
    release();
}

bool UndoPass::hasUndoable(const RenameJournal &journal)
{
    const QList<int> numbers = journal.passNumbers();
    for (auto n = numbers.crbegin(); n != numbers.crend(); ++n) {
        QString problem;
        const std::optional<JournalPass> pass = journal.readPass(*n, problem);
        // A damaged pass is offered, so that the user learns about it.
        if (!pass || (!pass->undone && hasWork(*pass)))
            return true;
    }
    return false;
}

QString UndoPass::prepare(std::optional<int> number)
{
    release();
    m_steps.clear();
    if (QString problem = m_journal.lock(); !problem.isEmpty())
        return problem;
    m_locked = true;
    const QList<int> numbers = m_journal.passNumbers();
    QString problem;
    std::optional<JournalPass> pass;
    if (number) {
        if (numbers.contains(*number))
            pass = m_journal.readPass(*number, problem);
        else
            problem = QCoreApplication::translate("UndoPass", "There is no rename pass %1 in the journal.").arg(*number);
    } else {
        for (auto n = numbers.crbegin(); n != numbers.crend() && !pass && problem.isEmpty(); ++n) {
            pass = m_journal.readPass(*n, problem);
            if (pass && (pass->undone || !hasWork(*pass)))
                pass.reset();
        }
        if (!pass && problem.isEmpty())
            problem = QCoreApplication::translate("UndoPass", "There is no rename to undo.");
    }
    if (pass && !hasWork(*pass))
        problem = QCoreApplication::translate("UndoPass", "Rename pass %1 has nothing left to undo.").arg(pass->number);
    if (!problem.isEmpty()) {
        release();
        return problem;
    }
    m_pass = *pass;
    for (qsizetype i = m_pass.entries.size() - 1; i >= 0; --i) {
        const JournalEntry &e = m_pass.entries.at(i);
        if (e.undone || e.oldName == e.newName || !(e.renamed || m_pass.interrupted()))
            continue;
        Step step{i, e.dir, e.newName, e.oldName, Step::State::Due, {}};
        check(step, e);
        // An unrecorded entry of a cut-off pass counts only when its file is found
        // under the new name: otherwise its rename never took place.
        if (e.renamed || step.state == Step::State::Due || step.state == Step::State::Taken)
            m_steps.append(step);
    }
    return {};
}

std::optional<bool> UndoPass::unchangedUnderNewName(const JournalEntry &entry, const JournalPass &pass,
                                                    bool lastingInodes)
{
    const std::optional<FileIdentity> now = FileIdentity::of(entry.dir + entry.newName);
    if (!now)
        return std::nullopt;
    return entry.identity.unchangedSince(*now, pass.time.toMSecsSinceEpoch(), lastingInodes);
}

bool UndoPass::lastingInodes(QHash<QByteArray, bool> &known, FileSystem &fs, const QByteArray &dir)
{
    const auto found = known.constFind(dir);
    if (found != known.cend())
        return *found;
    return *known.insert(dir, fs.lastingInodes(dir));
}

int UndoPass::renamesMade(const JournalPass &pass, FileSystem &fs)
{
    QHash<QByteArray, bool> lasting;
    int made = 0;
    for (const JournalEntry &e : pass.entries) {
        if (e.renamed || e.undone) {
            ++made;
            continue;
        }
        if (!pass.interrupted() || pass.undone || e.oldName == e.newName)
            continue;
        if (unchangedUnderNewName(e, pass, lastingInodes(lasting, fs, e.dir)).value_or(false))
            ++made;
    }
    return made;
}

void UndoPass::check(Step &step, const JournalEntry &entry) const
{
    const std::optional<bool> unchanged = unchangedUnderNewName(entry, m_pass, lastingInodes(step.dir));
    if (!unchanged)
        step.state = Step::State::Gone;
    else if (!*unchanged)
        step.state = Step::State::Changed;
    else if (taken(step))
        step.state = Step::State::Taken;
    else
        step.state = Step::State::Due;
}

// The old name belongs to another file; where case is ignored the file's own other
// spelling answers too, which is no other file.
bool UndoPass::taken(const Step &step) const
{
    const QByteArray to = step.dir + step.to;
    return m_fs.exists(to) && !sameEntry(m_fs, step.dir, step.dir + step.from, to, step.to);
}

bool UndoPass::lastingInodes(const QByteArray &dir) const
{
    return lastingInodes(m_lastingInodes, m_fs, dir);
}

QString UndoPass::run()
{
    if (!m_locked)
        return {};
    QString problem = m_journal.beginUndo(m_pass.number);
    if (!problem.isEmpty()) {
        release();
        return problem;
    }
    for (Step &step : m_steps) {
        if (step.state != Step::State::Due)
            continue;
        // Checked again: the user may have taken a while to confirm.
        check(step, m_pass.entries.at(step.entry));
        if (step.state != Step::State::Due)
            continue;
        step.rename = SafeRename(step.dir, step.from, step.to, m_fs);
        if (step.rename.ok()) {
            step.state = Step::State::Undone;
            m_journal.recordUndone(step.entry);
        } else {
            step.state = step.rename.failure == RenameFailure::TargetExists ? Step::State::Taken : Step::State::Failed;
        }
    }
    problem = m_journal.endUndo();
    m_locked = false;
    return problem;
}

void UndoPass::release()
{
    if (m_locked)
        m_journal.unlock();
    m_locked = false;
}

QString UndoPass::skipReason(const Step &step)
{
    switch (step.state) {
    case Step::State::Changed:
        return QCoreApplication::translate("UndoPass", "changed since it was renamed; left as it is");
    case Step::State::Gone:
        return QCoreApplication::translate("UndoPass", "no longer there; nothing to undo");
    case Step::State::Taken:
        return QCoreApplication::translate("UndoPass", "its old name is taken; left as it is");
    case Step::State::Failed:
        return QCoreApplication::translate("UndoPass", "cannot be renamed back: %1 %2").arg(step.rename.error.number).arg(step.rename.error.shownDescription());
    case Step::State::Due:
    case Step::State::Undone:
        break;
    }
    return {};
}
