// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CountSource.h"
#include "ErrorInfo.h"
#include "FileSystem.h"
#include "FolderKinds.h"
#include "NameDecoder.h"
#include "NamingMode.h"
#include "NativeName.h"
#include "PlanConflict.h"
#include "SafeRename.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// One file of a rename plan: where it is, what it is called now, and what it is to be
// called. A file is known by its folder's and its name's bytes together; that pair is
// what a record of done renames would keep to undo them.
struct PlanEntry
{
    enum class State {
        Empty,    // no proposal ("Empty"): never renamed
        Proposed, // waiting to be applied
        Renamed,
        Failed,   // the rename was refused; the file keeps its name
        Changed,  // the proposal no longer follows from the name and count: not renamed
    };

    NativeName dir;    // the folder, with a trailing separator
    NativeName source; // the present name: its bytes, and the text shown and named
    NamingMode mode = NamingMode::Format;
    std::optional<int> count; // the artist's word count the proposal was made with
    QString proposal;         // the new name as shown, or "Empty"
    QByteArray target{};      // the new name's bytes (UTF-8), made once with the proposal
    State state = State::Proposed;
    bool selected = false; // chosen to be applied
    PlanConflict conflict{}; // what the preview found in the way of the proposal

    bool hasProposal() const { return state != State::Empty; }
    // Chosen and not yet applied: what a rename pass renames.
    bool isDue() const { return selected && state == State::Proposed; }
};

// What applying one entry did. A Changed entry carries no rename error: the caller
// knows why its count differs.
struct PlanResult
{
    qsizetype entry = -1;
    PlanEntry::State state = PlanEntry::State::Proposed;
    RenameResult rename;
};

// The proposals for a list of files, made before anything is renamed. It knows each
// file by its bytes, so a later step can check, apply or undo entry by entry.
class RenamePlan
{
public:
    struct Source
    {
        NativeName dir;
        NativeName name;
    };

    // Splits a path given as an argument into folder and name; a double quote is part
    // of the name there. Separators are ASCII, so the bytes split where the text would.
    static Source sourceOf(const QByteArray &path, const NameDecoder &decoder);

    static RenamePlan build(const QList<Source> &files, NamingMode mode, CountSource &counts);
    // The same for paths given as arguments (sourceOf each); paths of one folder in a row
    // share its decoded form, and no list of sources is kept beside the plan.
    static RenamePlan build(const QList<QByteArray> &paths, const NameDecoder &decoder, NamingMode mode,
                            CountSource &counts);
    // Proposes a name for one more file, asking counts for a word count when the mode needs one.
    const PlanEntry &add(const Source &file, NamingMode mode, CountSource &counts);

    const QList<PlanEntry> &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void setSelected(qsizetype entry, bool selected);
    void selectAll();
    void setConflict(qsizetype entry, const PlanConflict &conflict);

    // The word counts, one for each entry with a proposal, in entry order: what an
    // answer store keeps for the plan.
    QList<std::optional<int>> counts() const;
    // Gives them back: the k-th entry with a proposal takes the k-th count, none past the end.
    void setCounts(const QList<std::optional<int>> &counts);

    // The new name made again from the proposal with the entry's count: the proposal
    // itself while nothing changed, as the modes are stable on their own output.
    static QString target(const PlanEntry &entry);
    // Whether target(entry) is the proposal, for the common modes found without
    // building the target.
    static bool targetIsProposal(const PlanEntry &entry);

private:
    friend void applyPlanEach(RenamePlan &, FolderKinds &, FileSystem &,
                              const std::function<void(const PlanResult &)> &);
    QList<PlanEntry> m_entries;
};

// Renames every selected entry that has a proposal, in order, through SafeRename, and
// gives each one's result; onEach sees every result as it happens. Failures never stop
// the run: the next entry is done.
QList<PlanResult> applyPlan(RenamePlan &plan, FileSystem &fs = FileSystem::native(),
                            const std::function<void(const PlanResult &)> &onEach = {});
// The same with what the files are already learnt, by a caller that listed their folders
// a moment ago and kept no one waiting since (a preview the user confirms takes minutes).
QList<PlanResult> applyPlan(RenamePlan &plan, FolderKinds &kinds, FileSystem &fs = FileSystem::native(),
                            const std::function<void(const PlanResult &)> &onEach = {});
// The same without gathering the results, for a caller that takes each as it comes: a
// batch of thousands then keeps no list of them.
void applyPlanEach(RenamePlan &plan, FolderKinds &kinds, FileSystem &fs,
                   const std::function<void(const PlanResult &)> &onEach);
