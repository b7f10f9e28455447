// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "EnqueueCommands.h"

#include <array>

namespace {

// A fixed array rather than an initializer_list: a list held in a static table is
// not guaranteed to keep its elements alive (UBSan saw it empty under clang).
struct Row
{
    const char *program;
    std::array<const char *, 2> switches; // unused slots stay null
};

const std::array rows{
    Row{"audacious", {"-e"}},
    Row{"vlc", {"--one-instance", "--playlist-enqueue"}},
    Row{"strawberry", {"-a"}},
    Row{"clementine", {"-a"}},
};

} // namespace

QStringList EnqueueCommands::argumentsFor(const QString &programFileName)
{
    for (const Row &row : rows) {
        if (programFileName == QLatin1String(row.program)) {
            QStringList arguments;
            for (const char *s : row.switches) {
                if (s)
                    arguments << QLatin1String(s);
            }
            return arguments;
        }
    }
    return {};
}
