// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// Where loading renamer.ini says the main window's folder list should go. The
// store only decides it; whoever shows the main window moves the list.
struct StartFolder
{
    enum class Kind {
        Unchanged,     // no file, or the load stopped before the folder line
        ProgramFolder, // the file holds no default directory
        Directory,     // the stored default directory, which exists
    };

    Kind kind = Kind::Unchanged;
    QString directory;

    friend bool operator==(const StartFolder &, const StartFolder &) = default;
};
