// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenameCommand.h"

#include "AskingCountSource.h"
#include "AutoCountSource.h"
#include "CliParser.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "FolderKinds.h"
#include "NameNormaliser.h"
#include "PlanConflicts.h"
#include "RenamePass.h"
#include "RenamePlan.h"
#include "RenameJson.h"
#include "TagCountSuggestion.h"

namespace {

const char *const kRenameUsage =
    "Usage: marlune-cli rename [--mode MODE] [--words N|auto] [-n|--dry-run] [--json]\n"
    "                          [--] FILE...\n"
    "\n"
    "Shows each FILE's new name as 'OLD -> NEW', then renames the files (never\n"
    "replacing an existing file). NEW is 'Empty' when no word count was given.\n"
    "With --dry-run, a new name that is already taken is reported on standard error\n"
    "as 'NEW: already exists', 'NEW: also proposed for OTHER' or 'NEW: is the current\n"
    "name of OTHER'; the exit status does not change.\n"
    "\n"
    "  --mode MODE   format (default), capitalize, remove-numbers, remove-underscore\n"
    "  --words N     the artist's word count for every file (format mode); without it\n"
    "                the count is asked for each file on standard error and read as one\n"
    "                line of standard input (end of input cancels that file)\n"
    "  --words auto  each file's count from its tag: the number of the artist's words\n"
    "                when the name starts with them (ID3v2 or ID3v1); only files whose\n"
    "                tag suggests nothing are asked for\n"
    "  -n, --dry-run only show the new names\n"
    "  --json        instead of the 'OLD -> NEW' lines, one JSON array on standard\n"
    "                output: per FILE its path, name, proposal, conflict and, after\n"
    "                a real run, outcome (see the manual page)\n"
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
    bool autoWords = false;
    bool dryRun = false;
    bool json = false;
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
    if (parser.isSet("words") && parser.value("words") == QLatin1String("auto")) {
        if (o.mode != NamingMode::Format)
            return QStringLiteral("--words only applies to --mode format");
        o.autoWords = true;
    } else if (parser.isSet("words")) {
        bool ok = false;
        const int words = parser.value("words").toInt(&ok);
        if (!ok || words < 1 || words > 32767)
            return QStringLiteral("--words needs a whole number from 1 to 32767, or auto");
        if (o.mode != NamingMode::Format)
            return QStringLiteral("--words only applies to --mode format");
        o.words = words;
    }
    o.dryRun = parser.isSet("dry-run");
    o.json = parser.isSet("json");
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

// Why a FILE cannot be renamed at all, or nothing for a regular file.
QString problemOf(FileSystem::Kind kind)
{
    switch (kind) {
    case FileSystem::Kind::File:
        break;
    case FileSystem::Kind::Folder:
        return QStringLiteral("is a folder, not a file");
    case FileSystem::Kind::Other:
        return QStringLiteral("is not a regular file (a socket, device or pipe)");
    case FileSystem::Kind::Missing:
        return QStringLiteral("no such file");
    }
    return {};
}

// Keeps the regular files, reporting the others; problems gets one reason per FILE,
// empty for those kept. Relative paths stay relative: the bytes given are the name,
// whatever the current folder's own name is.
CliArgs existingFiles(const CliArgs &files, FolderKinds &kinds, CliIo &io, QStringList &problems)
{
    CliArgs existing;
    existing.reserve(files.size());
    for (const QByteArray &file : files) {
        problems.append(problemOf(kinds.kind(file)));
        if (problems.constLast().isEmpty())
            existing.append(file);
        else
            cliError(io, io.names.text(file) + QStringLiteral(": ") + problems.constLast());
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
    if (!options.autoWords)
        return RenamePlan::build(sources, options.mode, counts);
    TagCountSuggestion tags;
    AutoCountSource suggested(tags, counts);
    RenamePlan plan;
    for (qsizetype i = 0; i < files.size(); ++i) {
        suggested.setFile(files.at(i));
        plan.add(sources.at(i), options.mode, suggested);
    }
    return plan;
}

// Applies the whole plan; true when nothing failed. What the files are was learnt just
// before the preview, unless counts were asked for: the answers may have taken minutes,
// so the folders are read again. results gets what each tried entry's rename did.
bool apply(RenamePlan &plan, FolderKinds &kinds, bool asked, CliIo &io, QList<std::optional<PlanResult>> &results)
{
    plan.selectAll();
    results.resize(plan.size());
    bool allDone = true;
    const auto report = [&](const PlanResult &result) {
        results[result.entry] = result;
        if (result.state == PlanEntry::State::Renamed)
            return;
        allDone = false;
        cliError(io, terminalText(RenamePass::resultMessage(plan.entries().at(result.entry), result)));
    };
    if (asked)
        applyPlan(plan, FileSystem::native(), report);
    else
        applyPlan(plan, kinds, FileSystem::native(), report);
    return allDone;
}

void printLines(const RenamePlan &plan, CliIo &io)
{
    for (const PlanEntry &entry : plan.entries())
        io.out << entry.source.text() << " -> " << entry.proposal << '\n';
    io.out.flush();
}

void printConflicts(const RenamePlan &plan, CliIo &io)
{
    for (const PlanEntry &entry : plan.entries()) {
        if (entry.conflict)
            cliError(io, entry.proposal + QStringLiteral(": ") + entry.conflict.text());
    }
}

// Every FILE in the order given: problems is empty for those that went into the plan,
// whose entries come in the same order.
void printJson(const RenameOptions &options, const QStringList &problems, const RenamePlan &plan,
               const QList<std::optional<PlanResult>> &results, CliIo &io)
{
    RenameJson json(io.names, !options.dryRun);
    qsizetype k = 0;
    for (qsizetype i = 0; i < options.files.size(); ++i) {
        if (!problems.at(i).isEmpty()) {
            json.addRefused(options.files.at(i), problems.at(i));
            continue;
        }
        json.addEntry(options.files.at(i), plan.entries().at(k), k < results.size() ? results.at(k) : std::nullopt);
        ++k;
    }
    io.out << QString::fromUtf8(json.toJson());
    io.out.flush();
}

} // namespace

int runRename(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"mode", 0, true}, {"words", 0, true}, {"dry-run", 'n'}, {"json"}});
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kRenameUsage))
        return *answered;
    RenameOptions options;
    if (const QString problem = checkOptions(parser, options); !problem.isEmpty())
        return usageError(io, problem, kRenameUsage);

    FolderKinds kinds = FolderKinds::ofPaths(options.files, FileSystem::native());
    QStringList problems;
    const CliArgs files = existingFiles(options.files, kinds, io, problems);
    const bool allFound = files.size() == options.files.size();
    RenamePlan plan = planFor(files, options, io);
    PlanConflicts(kinds).mark(plan);
    if (!options.json)
        printLines(plan, io);
    if (options.dryRun)
        printConflicts(plan, io);
    QList<std::optional<PlanResult>> results;
    bool allDone = true;
    if (!options.dryRun && !plan.isEmpty()) {
        const bool asked = options.mode == NamingMode::Format && !options.words;
        allDone = apply(plan, kinds, asked, io, results);
    }
    if (options.json)
        printJson(options, problems, plan, results, io);
    return allDone && allFound ? CliOk : CliFailed;
}
