// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "GenresCommand.h"

#include "CliParser.h"
#include "GenreTable.h"

namespace {

const char *const kGenresUsage =
    "Usage: marlune-cli genres\n"
    "Lists the genres, one NUMBER NAME line each, in the genre list's order.\n";

} // namespace

int runGenres(const CliArgs &args, CliIo &io)
{
    CliParser parser({});
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kGenresUsage))
        return *answered;
    if (!parser.plainArguments().isEmpty())
        return usageError(io, QStringLiteral("genres takes no argument"), kGenresUsage);
    for (const GenreTable::Row &row : GenreTable::rows())
        io.out << int(row.number) << ' ' << row.name << '\n';
    return CliOk;
}
