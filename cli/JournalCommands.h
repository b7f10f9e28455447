// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"

#include <memory>

class RenameJournal;

// marlune-cli undo [--dry-run] [PASS]: puts back the names of a journaled pass.
int runUndo(const CliArgs &args, CliIo &io);
// marlune-cli history [--json]: lists the journaled passes.
int runHistory(const CliArgs &args, CliIo &io);

// The journal every real rename records in, shared with the window.
std::unique_ptr<RenameJournal> cliJournal();
