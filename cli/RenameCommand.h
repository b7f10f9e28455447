// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"


// marlune-cli rename [--mode MODE] [--words N|auto] [--dry-run] [--json] FILE...
int runRename(const CliArgs &args, CliIo &io);
