// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// Why an entry's rename would be refused, or would take a name another entry holds, as
// found when the preview was made. At rename time nothing changes: the entry is still
// attempted in list order and the rename itself never replaces a file.
struct PlanConflict
{
    enum class Kind {
        None,
        Exists,      // another file (or folder) already has the target name
        SameTarget,  // another entry proposes the same target
        CurrentName, // the target is another entry's present name: a chain or a swap
    };

    Kind kind = Kind::None;
    QString other; // the other entry's present name as shown (SameTarget, CurrentName)

    explicit operator bool() const { return kind != Kind::None; }
    // "already exists", "also proposed for OTHER", "is the current name of OTHER";
    // empty for None. Translated where a translator is installed (the window).
    QString text() const;

    bool operator==(const PlanConflict &) const = default;
};
