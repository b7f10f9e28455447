#include "RenameCommand.h"

#include "AppFolder.h"
#include "Dialogs.h"
#include "FileSystem.h"
#include "MarluneVersion.h"
#include "NameNormaliser.h"
#include "RenameHost.h"
#include "RenamePass.h"

#include <QTemporaryDir>

namespace {

const char *const kRenameUsage =
    "Usage: marlune-cli rename [--mode MODE] [--words N] [--dry-run] FILE...\n"
    "\n"
    "Shows each FILE's new name as 'OLD -> NEW', then renames the files (never\n"
    "replacing an existing file). NEW is 'Empty' when no word count was given.\n"
    "\n"
    "  --mode MODE   format (default), capitalize, remove-numbers, remove-underscore\n"
    "  --words N     the artist's word count for every file (format mode); without it\n"
    "                the count is asked for each file on standard error and read as one\n"
    "                line of standard input (end of input cancels that file)\n"
    "  --dry-run     only show the new names\n"
    "  --legacy-encoding NAME  how names that are not UTF-8 are read (default\n"
    "                windows-1252); new names are always written in UTF-8\n"
    "  --help        show this help\n"
    "  --version     show the version\n"
    "\n"
    "Exit status: 0 all renamed, 1 a rename failed or a FILE is missing or no file,\n"
    "2 usage error.\n";

struct RenameOptions
{
    NamingMode mode = NamingMode::Format;
    std::optional<int> words;
    bool dryRun = false;
    bool help = false;
    bool version = false;
    CliArgs files;
    QString error;
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

RenameOptions withError(RenameOptions o, const QString &error)
{
    o.error = error;
    return o;
}

// Options may come before, between or after the files; "--" ends them.
RenameOptions parseOptions(const CliArgs &args)
{
    RenameOptions o;
    bool optionsEnded = false;
    bool wordsGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (optionsEnded || !args.at(i).startsWith('-') || args.at(i) == "-") {
            o.files.append(args.at(i));
            continue;
        }
        QString arg = argText(args.at(i));
        QString value;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const bool inlineValue = arg.startsWith(QLatin1String("--")) && eq > 0;
        if (inlineValue) {
            value = arg.mid(eq + 1);
            arg.truncate(eq);
        }
        const auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= args.size())
                return false;
            value = argText(args.at(++i));
            return true;
        };
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
        } else if (arg == QLatin1String("--version")) {
            o.version = true;
        } else if (arg == QLatin1String("--dry-run") || arg == QLatin1String("-n")) {
            o.dryRun = true;
        } else if (arg == QLatin1String("--mode")) {
            const std::optional<NamingMode> mode = takeValue() ? parseMode(value) : std::nullopt;
            if (!mode)
                return withError(o, QStringLiteral("--mode needs one of format, capitalize, remove-numbers, "
                                                   "remove-underscore"));
            o.mode = *mode;
        } else if (arg == QLatin1String("--words")) {
            bool ok = false;
            const int words = takeValue() ? value.toInt(&ok) : 0;
            if (!ok || words < 1 || words > 32767)
                return withError(o, QStringLiteral("--words needs a whole number from 1 to 32767"));
            o.words = words;
            wordsGiven = true;
        } else {
            return withError(o, QStringLiteral("unknown option '%1'").arg(argText(args.at(i))));
        }
    }
    if (wordsGiven && o.mode != NamingMode::Format)
        o.error = QStringLiteral("--words only applies to --mode format");
    else if (o.files.isEmpty() && !o.help && !o.version)
        o.error = QStringLiteral("no FILE given");
    return o;
}

QString terminalText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The dialogs of a terminal: prompts on standard error, answers one line each from
// standard input (end of input is Cancel), messages on standard error. With a fixed
// count every prompt is answered with it, silently.
class TerminalDialogs : public Dialogs
{
public:
    TerminalDialogs(CliIo &io, std::optional<int> fixedAnswer) : m_io(io), m_fixedAnswer(fixedAnswer) {}

    QString askText(const QString &prompt, const QString &, const QString &) override
    {
        if (m_fixedAnswer)
            return QString::number(*m_fixedAnswer);
        m_io.err << terminalText(prompt) << '\n';
        m_io.err.flush();
        QString line;
        if (!m_io.in.readLineInto(&line))
            return QString();
        return line;
    }

    void showMessage(const QString &text, Icon, const QString &) override
    {
        m_io.err << terminalText(text) << '\n';
        m_io.err.flush();
    }

private:
    CliIo &m_io;
    std::optional<int> m_fixedAnswer;
};

// A host with no window: nothing to show, and the files come from the arguments.
class TerminalHost : public RenameHost
{
public:
    explicit TerminalHost(NamingMode mode) : m_mode(mode) {}
    QStringList selectedFileNames() const override { return {}; }
    QString currentFolder() const override { return {}; }
    NamingMode namingMode() const override { return m_mode; }
    CommandLine commandLine() const override { return {}; }
    void setButtonCaptions(const QString &) override {}
    void EnableControls(bool) override {}
    void refreshFileList() override {}
    void showPreviewEntries(const QStringList &) override {}

private:
    NamingMode m_mode;
};

// Keeps the regular files, reporting the others. Relative paths stay relative: the
// bytes given are the name, whatever the current folder's own name is.
CliArgs existingFiles(const CliArgs &files, CliIo &io)
{
    CliArgs existing;
    existing.reserve(files.size());
    for (const QByteArray &file : files) {
        const QString shown = io.names.text(file);
        switch (FileSystem::native().kind(file)) {
        case FileSystem::Kind::File:
            existing.append(file);
            break;
        case FileSystem::Kind::Folder:
            io.err << "marlune-cli rename: " << shown << ": is a folder, not a file\n";
            break;
        case FileSystem::Kind::Other:
            io.err << "marlune-cli rename: " << shown << ": is not a regular file (a socket, device or pipe)\n";
            break;
        case FileSystem::Kind::Missing:
            io.err << "marlune-cli rename: " << shown << ": no such file\n";
            break;
        }
    }
    return existing;
}

} // namespace

int runRename(const CliArgs &args, CliIo &io)
{
    const RenameOptions options = parseOptions(args);
    if (!options.error.isEmpty()) {
        io.err << "marlune-cli rename: " << options.error << "\n\n" << kRenameUsage;
        return CliUsage;
    }
    if (options.help) {
        io.out << kRenameUsage;
        return CliOk;
    }
    if (options.version) {
        io.out << "marlune-cli " << MARLUNE_VERSION << '\n';
        return CliOk;
    }

    const CliArgs files = existingFiles(options.files, io);
    const bool allFound = files.size() == options.files.size();

    // The answer store of this run is private, so a window's pending preview is untouched.
    QTemporaryDir storeFolder;
    if (!storeFolder.isValid()) {
        io.err << "marlune-cli rename: cannot create a temporary folder: " << storeFolder.errorString() << '\n';
        return CliFailed;
    }
    TerminalDialogs dialogs(io, options.words);
    TerminalHost host(options.mode);
    RenamePass pass(host, dialogs, AppFolder(storeFolder.path()));
    pass.setNameDecoder(io.names);
    pass.previewFiles(files, options.mode);

    const QList<RenamePass::Entry> &entries = pass.entries();
    for (const RenamePass::Entry &entry : entries)
        io.out << entry.name << " -> " << entry.text << '\n';
    io.out.flush();
    if (options.dryRun || entries.isEmpty())
        return allFound ? CliOk : CliFailed;

    for (qsizetype i = 0; i < entries.size(); ++i)
        pass.setSelected(int(i), true);
    pass.DoIt();
    return allFound && pass.lastOutcome().failed == 0 ? CliOk : CliFailed;
}
