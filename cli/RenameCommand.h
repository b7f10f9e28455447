#pragma once

#include "CliIo.h"

#include <QStringList>

// marlune-cli rename [--mode MODE] [--words N] [--dry-run] FILE...
int runRename(const QStringList &args, CliIo &io);
