#include "CliCommands.h"

#include "RenameCommand.h"

namespace {

const CliCommand kCommands[] = {
    {"rename", "rename files into the program's form (previewed first)", runRename},
};

} // namespace

std::span<const CliCommand> cliCommands()
{
    return kCommands;
}
