#include "EnqueueCommands.h"

#include <array>

namespace {

struct Row
{
    const char *program;
    std::initializer_list<const char *> switches;
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
            for (const char *s : row.switches)
                arguments << QLatin1String(s);
            return arguments;
        }
    }
    return {};
}
