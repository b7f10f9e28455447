// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"

// All of marlune-cli but the process: the global options (--legacy-encoding anywhere
// before "--", -h, -V), then the command named first. args are the arguments after the
// program's name, FILE arguments as their native bytes. Returns the exit status.
int runCli(CliArgs args, QTextStream &out, QTextStream &err, QTextStream &in);
