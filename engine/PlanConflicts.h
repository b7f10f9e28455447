// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"
#include "FolderKinds.h"
#include "PlanConflict.h"
#include "RenamePlan.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

// Finds, when a preview is made, the entries whose rename would be refused or would
// take a name another entry of the batch holds, so the user sees them before renaming.
// Each folder costs one listing (through FolderKinds, shared with a rename that follows)
// and one probe that tells whether it ignores letter case.
class PlanConflicts
{
public:
    PlanConflicts(FolderKinds &kinds, FileSystem &fs = FileSystem::native());

    // Stores each entry's conflict in the plan; an entry without a proposal has none.
    void mark(RenamePlan &plan);

private:
    // The first two entries that share a name: enough to name one other than any entry.
    struct FirstTwo
    {
        qsizetype first = -1;
        qsizetype second = -1;

        void add(qsizetype entry);
        qsizetype otherThan(qsizetype entry) const { return first != entry ? first : second; }
    };

    struct Folder
    {
        const FolderIndex *listing = nullptr; // null: the folder cannot be read
        bool ignoresCase = false;
        QSet<QByteArray> foldedListing; // the listing's keys, only where case is ignored
        QHash<QByteArray, FirstTwo> sources;
        QHash<QByteArray, FirstTwo> targets;

        QByteArray key(const QByteArray &name) const;
        bool listed(const QByteArray &key) const;
    };

    Folder &folder(const QByteArray &dir);
    bool probeIgnoresCase(const QByteArray &dir, const FolderIndex &listing);
    PlanConflict conflictOf(const RenamePlan &plan, qsizetype entry, const QByteArray &target);

    FolderKinds &m_kinds;
    FileSystem &m_fs;
    QHash<QByteArray, Folder> m_folders;
};
