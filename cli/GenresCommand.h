// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CliIo.h"


// marlune-cli genres: one "NUMBER NAME" line per genre, in the genre list's order.
int runGenres(const CliArgs &args, CliIo &io);
