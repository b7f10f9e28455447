// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "JournalCommands.h"

#include "AppFolder.h"
#include "CliParser.h"
#include "RenameJournal.h"
#include "UndoPass.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char *const kUndoUsage =
    "Usage: marlune-cli undo [-n|--dry-run] [PASS]\n"
    "\n"
    "Puts back the names that a rename pass gave, newest rename first: those of the\n"
    "last pass with something left to undo, or of pass number PASS (see 'marlune-cli\n"
    "history'). Shows each file as 'NEW -> OLD', then renames it back, never\n"
    "replacing a file. A file changed or gone since the pass, or whose old name is\n"
    "taken, is left as it is and reported. A pass cut off by a crash is undone as\n"
    "far as its files show that they were renamed.\n"
    "\n"
    "  -n, --dry-run only show what would be undone\n"
    "  -h, --help    show this help\n"
    "  -V, --version show the version\n"
    "\n"
    "Exit status: 0 all undone, 1 a file was left as it is, nothing to undo or the\n"
    "journal cannot be used, 2 usage error.\n";

const char *const kHistoryUsage =
    "Usage: marlune-cli history [--json]\n"
    "\n"
    "Lists the rename passes kept in the journal (the last 100), oldest first:\n"
    "NUMBER, the time (UTC), how many files were renamed, the state (done,\n"
    "interrupted or undone) and the folder.\n"
    "\n"
    "  --json        one JSON array of objects: pass, time, folder (null for several\n"
    "                folders), count, undone, interrupted\n"
    "  -h, --help    show this help\n"
    "  -V, --version show the version\n"
    "\n"
    "Exit status: 0 listed, 1 a pass of the journal cannot be read, 2 usage error.\n";

QString folderText(const JournalPass &pass, const CliIo &io)
{
    const QByteArray folder = pass.folder();
    return folder.isEmpty() ? QStringLiteral("(several folders)") : io.names.text(folder);
}

QString stateText(const JournalPass &pass)
{
    if (pass.undone)
        return QStringLiteral("undone");
    return pass.interrupted() ? QStringLiteral("interrupted") : QStringLiteral("done");
}

QJsonObject passAsJson(const JournalPass &pass, const CliIo &io)
{
    QJsonObject o;
    o.insert(QStringLiteral("pass"), pass.number);
    o.insert(QStringLiteral("time"), pass.time.toString(Qt::ISODate));
    o.insert(QStringLiteral("folder"), pass.folder().isEmpty() ? QJsonValue() : QJsonValue(io.names.text(pass.folder())));
    o.insert(QStringLiteral("count"), UndoPass::renamesMade(pass));
    o.insert(QStringLiteral("undone"), pass.undone);
    o.insert(QStringLiteral("interrupted"), pass.interrupted());
    return o;
}

// The program's own folder (a portable copy keeps its journal there). Commands that
// run without an application object learn it from the system.
QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
#ifdef Q_OS_LINUX
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
#else
    return {};
#endif
}

} // namespace

std::unique_ptr<RenameJournal> cliJournal()
{
    const AppFolder folder = AppFolder::forExecutable(executableFolder());
    return std::make_unique<RenameJournal>(RenameJournal::folderIn(folder.dataFolder()));
}

int runUndo(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"dry-run", 'n'}});
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kUndoUsage))
        return *answered;
    std::optional<int> number;
    if (parser.plainArguments().size() > 1)
        return usageError(io, QStringLiteral("only one PASS can be undone at a time"), kUndoUsage);
    if (parser.plainArguments().size() == 1) {
        bool ok = false;
        number = parser.plainArguments().first().toInt(&ok);
        if (!ok || *number < 1)
            return usageError(io, QStringLiteral("PASS needs a pass number from 'marlune-cli history'"), kUndoUsage);
    }
    const std::unique_ptr<RenameJournal> journal = cliJournal();
    UndoPass undo(*journal);
    if (const QString problem = undo.prepare(number); !problem.isEmpty()) {
        cliError(io, problem);
        return CliFailed;
    }
    bool allDone = true;
    for (const UndoPass::Step &step : undo.steps()) {
        if (step.state == UndoPass::Step::State::Due)
            io.out << io.names.text(step.from) << " -> " << io.names.text(step.to) << '\n';
    }
    io.out.flush();
    if (!parser.isSet("dry-run")) {
        if (const QString problem = undo.run(); !problem.isEmpty()) {
            cliError(io, problem);
            allDone = false;
        }
    }
    for (const UndoPass::Step &step : undo.steps()) {
        if (step.state == UndoPass::Step::State::Due || step.state == UndoPass::Step::State::Undone)
            continue;
        allDone = false;
        cliError(io, io.names.text(step.from) + QStringLiteral(": ") + UndoPass::skipReason(step));
    }
    return allDone ? CliOk : CliFailed;
}

int runHistory(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"json"}});
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kHistoryUsage))
        return *answered;
    if (!parser.plainArguments().isEmpty())
        return usageError(io, QStringLiteral("history takes no FILE"), kHistoryUsage);
    const std::unique_ptr<RenameJournal> journal = cliJournal();
    bool allRead = true;
    QJsonArray array;
    for (const int n : journal->passNumbers()) {
        QString problem;
        const std::optional<JournalPass> pass = journal->readPass(n, problem);
        if (!pass) {
            cliError(io, problem);
            allRead = false;
        } else if (parser.isSet("json")) {
            array.append(passAsJson(*pass, io));
        } else {
            io.out << pass->number << "  " << pass->time.toString(Qt::ISODate) << "  " << UndoPass::renamesMade(*pass)
                   << " renamed  " << stateText(*pass) << "  " << folderText(*pass, io) << '\n';
        }
    }
    if (parser.isSet("json"))
        io.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    io.out.flush();
    return allRead ? CliOk : CliFailed;
}
