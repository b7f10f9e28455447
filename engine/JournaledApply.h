// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "FileSystem.h"
#include "FolderKinds.h"
#include "RenameJournal.h"
#include "RenamePlan.h"

#include <QList>
#include <QString>
#include <functional>

// What a journaled pass did: refused (with the reason, nothing renamed) or run, with
// a warning when the journal could not be completed afterwards.
struct JournaledOutcome
{
    QString refused;
    QString warning;
};

// applyPlan with the pass recorded in journal: the intent first (a refusal renames
// nothing), then each done rename. Without a journal it is applyPlan itself. With
// kinds, what the files are was learnt a moment ago.
JournaledOutcome applyJournaled(RenamePlan &plan, RenameJournal *journal, FileSystem &fs, FolderKinds *kinds = nullptr,
                                const std::function<void(const PlanResult &)> &onEach = {});

