// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CliCommands.h"

#include "GenresCommand.h"
#include "JournalCommands.h"
#include "RenameCommand.h"
#include "TagCommand.h"

namespace {

const CliCommand kCommands[] = {
    {"rename", "rename files into the program's form (previewed first)", runRename},
    {"tag", "show or change ID3v1 tags, or fill them from file names", runTag},
    {"genres", "list the genres, NUMBER NAME per line", runGenres},
    {"undo", "put back the names of the last rename pass (or one named)", runUndo},
    {"history", "list the rename passes that can be undone", runHistory},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}
