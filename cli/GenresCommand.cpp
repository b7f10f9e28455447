#include "GenresCommand.h"

#include "GenreTable.h"

int runGenres(const CliArgs &args, CliIo &io)
{
    if (!args.isEmpty() && args.first() != "--help") {
        io.err << "Usage: marlune-cli genres\n";
        return CliUsage;
    }
    if (!args.isEmpty()) {
        io.out << "Usage: marlune-cli genres\nLists the genres, one NUMBER NAME line each, in the genre list's order.\n";
        return CliOk;
    }
    for (const GenreTable::Row &row : GenreTable::rows())
        io.out << int(row.number) << ' ' << row.name << '\n';
    return CliOk;
}
