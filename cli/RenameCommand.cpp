// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RenameCommand.h"

#include "AskingCountSource.h"
#include "AutoCountSource.h"
#include "CliParser.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "FolderKinds.h"
#include "JournalCommands.h"
#include "JournaledApply.h"
#include "NameNormaliser.h"
#include "PlanConflicts.h"
#include "RenamePass.h"
#include "RenamePlan.h"
#include "RenameJson.h"
#include "TagCountSuggestion.h"

#include <algorithm>

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
    "Every real pass is recorded in the rename journal first, so that\n"
    "'marlune-cli undo' can put the names back, even after a crash.\n"
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

// The FILEs that are not regular files: their place among the FILEs and why.
using Refusals = QList<std::pair<qsizetype, QString>>;

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

// Keeps the regular files, reporting the others; refused gets each other FILE's place
// and reason. Relative paths stay relative: the bytes given are the name, whatever the
// current folder's own name is. The list given comes back as it is when every FILE is
// one, so a batch keeps one list.
CliArgs existingFiles(const CliArgs &files, FolderKinds &kinds, CliIo &io, Refusals &refused)
{
    CliArgs existing;
    bool allFiles = true;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QByteArray &file = files.at(i);
        const QString problem = problemOf(kinds.kind(file));
        if (problem.isEmpty()) {
            if (!allFiles)
                existing.append(file);
            continue;
        }
        if (allFiles) {
            existing = files.first(i);
            allFiles = false;
        }
        refused.append({i, problem});
        cliError(io, io.names.text(file) + QStringLiteral(": ") + problem);
    }
    return allFiles ? files : existing;
}

// The plan of the given files: counts from --words, or asked on the terminal.
RenamePlan planFor(const CliArgs &files, const RenameOptions &options, CliIo &io)
{
    if (options.words) {
        FixedCountSource counts(options.words);
        return RenamePlan::build(files, io.names, options.mode, counts);
    }
    TerminalDialogs dialogs(io);
    AskingCountSource counts(dialogs);
    if (!options.autoWords)
        return RenamePlan::build(files, io.names, options.mode, counts);
    TagCountSuggestion tags;
    AutoCountSource suggested(tags, counts);
    RenamePlan plan;
    for (const QByteArray &file : files) {
        suggested.setFile(file);
        plan.add(RenamePlan::sourceOf(file, io.names), options.mode, suggested);
    }
    return plan;
}

// One 'OLD -> NEW' line per entry, handed to the stream in large pieces: a stream
// operator per piece costs more than the text it writes.
void showProposals(const RenamePlan &plan, QTextStream &out)
{
    // The size of the stream's own buffer, which it writes out when full.
    constexpr qsizetype kPiece = 16 * 1024;
    QString lines;
    lines.reserve(kPiece + 1024);
    for (const PlanEntry &entry : plan.entries()) {
        const QString &old = entry.source.text();
        const qsizetype at = lines.size();
        lines.resize(at + old.size() + 4 + entry.proposal.size() + 1);
        QChar *o = lines.data() + at;
        o = std::copy(old.cbegin(), old.cend(), o);
        for (const char c : {' ', '-', '>', ' '})
            *o++ = QLatin1Char(c);
        *std::copy(entry.proposal.cbegin(), entry.proposal.cend(), o) = u'\n';
        if (lines.size() >= kPiece) {
            out << lines;
            lines.resize(0); // keeps the room
        }
    }
    out << lines;
    out.flush();
}

// Applies the whole plan; true when nothing failed. What the files are was learnt just
// before the preview, unless counts were asked for: the answers may have taken minutes,
// so the folders are read again. results, when given, gets what each tried entry's
// rename did.
bool apply(RenamePlan &plan, FolderKinds &kinds, bool asked, CliIo &io, QList<std::optional<PlanResult>> *results)
{
    plan.selectAll();
    if (results)
        results->resize(plan.size());
    bool allDone = true;
    const auto report = [&](const PlanResult &result) {
        if (results)
            (*results)[result.entry] = result;
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

void printConflicts(const RenamePlan &plan, CliIo &io)
{
    for (const PlanEntry &entry : plan.entries()) {
        if (entry.conflict)
            cliError(io, entry.proposal + QStringLiteral(": ") + entry.conflict.text());
    }
}

// Every FILE in the order given; those refused are not in the plan, whose entries
// come in the order of the others.
void printJson(const RenameOptions &options, const Refusals &refused, const RenamePlan &plan,
               const QList<std::optional<PlanResult>> &results, CliIo &io)
{
    RenameJson json(io.names, !options.dryRun);
    qsizetype k = 0;
    auto nextRefusal = refused.cbegin();
    for (qsizetype i = 0; i < options.files.size(); ++i) {
        if (nextRefusal != refused.cend() && nextRefusal->first == i) {
            json.addRefused(options.files.at(i), nextRefusal->second);
            ++nextRefusal;
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
    Refusals refused;
    const CliArgs files = existingFiles(options.files, kinds, io, refused);
    const bool allFound = files.size() == options.files.size();
    RenamePlan plan = planFor(files, options, io);
    // Conflicts are shown, not enforced: a real run without --json has nowhere to show
    // them, and the renames refuse a taken name themselves.
    if (options.dryRun || options.json)
        PlanConflicts(kinds).mark(plan);
    if (!options.json)
        showProposals(plan, io.out);
    if (options.dryRun)
        printConflicts(plan, io);
    QList<std::optional<PlanResult>> results;
    bool allDone = true;
    if (!options.dryRun && !plan.isEmpty()) {
        const bool asked = options.mode == NamingMode::Format && !options.words;
        allDone = apply(plan, kinds, asked, io, options.json ? &results : nullptr);
    }
    if (options.json)
        printJson(options, refused, plan, results, io);
    return allDone && allFound ? CliOk : CliFailed;
}
