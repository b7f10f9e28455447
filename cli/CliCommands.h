// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"

#include <span>

// One sub-command of marlune-cli: its name, a one-line summary for --help, and the
// function that runs it with the arguments after the name.
struct CliCommand
{
    const char *name;
    const char *summary;
    int (*run)(const CliArgs &args, CliIo &io);
};

// Every command, in the order --help lists them.
std::span<const CliCommand> cliCommands();
