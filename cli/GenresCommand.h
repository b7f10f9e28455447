#pragma once

#include "CliIo.h"

#include <QStringList>

// marlune-cli genres: one "NUMBER NAME" line per genre, in the genre list's order.
int runGenres(const QStringList &args, CliIo &io);
