// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"


// marlune-cli tag show [--json] FILE...
// marlune-cli tag set [--title T] [--artist A] [--album L] [--year Y] [--genre NAME|NUMBER] [--comment C] FILE...
// marlune-cli tag auto FILE...
// Each file goes through the tag editor's own model, so lengths, year and genre
// follow the editor's rules; a failing file is reported and the next one is done.
int runTag(const CliArgs &args, CliIo &io);
