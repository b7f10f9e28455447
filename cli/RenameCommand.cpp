// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenameCommand.h"

#include "AskingCountSource.h"
#include "CliParser.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "FolderKinds.h"
#include "JournalCommands.h"
#include "JournaledApply.h"
#include "NameNormaliser.h"
#include "RenamePass.h"
#include "RenamePlan.h"

namespace {

const char *const kRenameUsage =
    "Usage: marlune-cli rename [--mode MODE] [--words N] [-n|--dry-run] [--] FILE...\n"
    "\n"
    "Shows each FILE's new name as 'OLD -> NEW', then renames the files (never\n"
    "replacing an existing file). NEW is 'Empty' when no word count was given.\n"
    "Every real pass is recorded in the rename journal first, so that\n"
    "'marlune-cli undo' can put the names back, even after a crash.\n"
    "\n"
    "  --mode MODE   format (default), capitalize, remove-numbers, remove-underscore\n"
    "  --words N     the artist's word count for every file (format mode); without it\n"
    "                the count is asked for each file on standard error and read as one\n"
    "                line of standard input (end of input cancels that file)\n"
    "  -n, --dry-run only show the new names\n"
    "  --legacy-encoding NAME  how names that are not UTF-8 are read (default\n"
    "                windows-1252); new names are always written in UTF-8\n"
    "  -h, --help    show this help\n"
    "  -V, --version show the version\n"
    "  --            ends the options: every argument after it is a FILE\n"
    "\n"
    "Exit status: 0 all renamed, 1 a rename failed or a FILE is missing or no file,\n"
    "2 usage error.\n";

struct RenameOptions
{
    NamingMode mode = NamingMode::Format;
    std::optional<int> words;
    bool dryRun = false;
    CliArgs files;
};

std::optional<NamingMode> parseMode(const QString &text)
{
    if (text == QLatin1String("format"))
        return NamingMode::Format;
    if (text == QLatin1String("capitalize"))
        return NamingMode::Capitalize;
    if (text == QLatin1String("remove-numbers"))
        return NamingMode::RemoveNumbers;
    if (text == QLatin1String("remove-underscore"))
        return NamingMode::RemoveUnderscore;
    return std::nullopt;
}

// The options' values checked; a message when one is not usable.
QString checkOptions(const CliParser &parser, RenameOptions &o)
{
    if (parser.isSet("mode")) {
        const std::optional<NamingMode> mode = parseMode(parser.value("mode"));
        if (!mode)
            return QStringLiteral("--mode needs one of format, capitalize, remove-numbers, remove-underscore");
        o.mode = *mode;
    }
    if (parser.isSet("words")) {
        bool ok = false;
        const int words = parser.value("words").toInt(&ok);
        if (!ok || words < 1 || words > 32767)
            return QStringLiteral("--words needs a whole number from 1 to 32767");
        if (o.mode != NamingMode::Format)
            return QStringLiteral("--words only applies to --mode format");
        o.words = words;
    }
    o.dryRun = parser.isSet("dry-run");
    o.files = parser.plainArguments();
    if (o.files.isEmpty())
        return QStringLiteral("no FILE given");
    return {};
}

QString terminalText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The dialogs of a terminal: prompts on standard error, answers one line each from
// standard input (end of input is Cancel), messages on standard error.
class TerminalDialogs : public Dialogs
{
public:
    explicit TerminalDialogs(CliIo &io) : m_io(io) {}

    QString askText(const QString &prompt, const QString &, const QString &) override
    {
        m_io.err << terminalText(prompt) << '\n';
        m_io.err.flush();
        QString line;
        if (!m_io.in.readLineInto(&line))
            return QString();
        return line;
    }

    void showMessage(const QString &text, Icon, const QString &) override { cliError(m_io, terminalText(text)); }

private:
    CliIo &m_io;
};

// Keeps the regular files, reporting the others. Relative paths stay relative: the
// bytes given are the name, whatever the current folder's own name is.
CliArgs existingFiles(const CliArgs &files, FolderKinds &kinds, CliIo &io)
{
    CliArgs existing;
    existing.reserve(files.size());
    for (const QByteArray &file : files) {
        switch (kinds.kind(file)) {
        case FileSystem::Kind::File:
            existing.append(file);
            break;
        case FileSystem::Kind::Folder:
            cliError(io, io.names.text(file) + QStringLiteral(": is a folder, not a file"));
            break;
        case FileSystem::Kind::Other:
            cliError(io, io.names.text(file) + QStringLiteral(": is not a regular file (a socket, device or pipe)"));
            break;
        case FileSystem::Kind::Missing:
            cliError(io, io.names.text(file) + QStringLiteral(": no such file"));
            break;
        }
    }
    return existing;
}

// The plan of the given files: counts from --words, or asked on the terminal.
RenamePlan planFor(const CliArgs &files, const RenameOptions &options, CliIo &io)
{
    QList<RenamePlan::Source> sources;
    sources.reserve(files.size());
    for (const QByteArray &file : files)
        sources.append(RenamePlan::sourceOf(file, io.names));
    if (options.words) {
        FixedCountSource counts(options.words);
        return RenamePlan::build(sources, options.mode, counts);
    }
    TerminalDialogs dialogs(io);
    AskingCountSource counts(dialogs);
    return RenamePlan::build(sources, options.mode, counts);
}

// Applies the whole plan; true when nothing failed. What the files are was learnt just
// before the preview, unless counts were asked for: the answers may have taken minutes,
// so the folders are read again.
bool apply(RenamePlan &plan, FolderKinds &kinds, bool asked, CliIo &io)
{
    plan.selectAll();
    bool allDone = true;
    const auto report = [&](const PlanResult &result) {
        if (result.state == PlanEntry::State::Renamed)
            return;
        allDone = false;
        cliError(io, terminalText(RenamePass::resultMessage(plan.entries().at(result.entry), result)));
    };
    // Only the benchmark goes without the journal, to measure what it costs.
    const std::unique_ptr<RenameJournal> journal = qEnvironmentVariableIsSet("MARLUNE_BENCH_NO_JOURNAL") ? nullptr : cliJournal();
    const JournaledOutcome outcome = applyJournaled(plan, journal.get(), FileSystem::native(), asked ? nullptr : &kinds, report);
    for (const QString &problem : {outcome.refused, outcome.warning}) {
        if (!problem.isEmpty())
            cliError(io, problem);
    }
    return allDone && outcome.refused.isEmpty() && outcome.warning.isEmpty();
}

} // namespace

int runRename(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"mode", 0, true}, {"words", 0, true}, {"dry-run", 'n'}});
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kRenameUsage))
        return *answered;
    RenameOptions options;
    if (const QString problem = checkOptions(parser, options); !problem.isEmpty())
        return usageError(io, problem, kRenameUsage);

    FolderKinds kinds = FolderKinds::ofPaths(options.files, FileSystem::native());
    const CliArgs files = existingFiles(options.files, kinds, io);
    const bool allFound = files.size() == options.files.size();
    RenamePlan plan = planFor(files, options, io);
    for (const PlanEntry &entry : plan.entries())
        io.out << entry.source.text() << " -> " << entry.proposal << '\n';
    io.out.flush();
    if (options.dryRun || plan.isEmpty())
        return allFound ? CliOk : CliFailed;
    const bool asked = options.mode == NamingMode::Format && !options.words;
    return apply(plan, kinds, asked, io) && allFound ? CliOk : CliFailed;
}
