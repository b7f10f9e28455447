#include "CliCommands.h"
#include "CliIo.h"
#include "MarluneVersion.h"
#include "PosixTagFileAccess.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

const char *const kUsage =
    "Usage: marlune-cli [--legacy-encoding NAME] COMMAND [OPTIONS] FILE...\n"
    "\n"
    "Puts music file names and ID3v1 tags into one clean form.\n"
    "\n"
    "Commands:\n"
    "%1"
    "\n"
    "Options:\n"
    "  --legacy-encoding NAME  how file names that are not UTF-8 are read, for\n"
    "               display and new names (default windows-1252, or the\n"
    "               MARLUNE_LEGACY_ENCODING variable); e.g. iso-8859-2, shift_jis\n"
    "  --help       show this help (or COMMAND --help for a command's own)\n"
    "  --version    show the version\n";

QString commandList()
{
    QString list;
    for (const CliCommand &c : cliCommands())
        list += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(c.name), -12).arg(QString::fromLatin1(c.summary));
    return list;
}

// Building the application object loads the locale files and starts an event
// dispatcher (80 of the 270 system calls of --version), for nothing the tag and genre
// commands, the help or the version use: Qt reads names and streams as UTF-8 on Unix
// whatever the locale. The rest, rename above all, keep it; Windows needs it for the
// arguments.
bool needsApplication(int argc, char **argv)
{
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#else
    // A --legacy-encoding before the command only delays the answer to the command.
    int i = 1;
    while (i < argc && std::string_view(argv[i]).starts_with("--legacy-encoding"))
        i += std::string_view(argv[i]).find('=') == std::string_view::npos ? 2 : 1;
    if (i >= argc)
        return false;
    const std::string_view first(argv[i]);
    return !(first == "tag" || first == "genres" || first == "--version" || first == "--help" || first == "-h");
#endif
}

// The arguments as the system gave them. On Windows they are UTF-16 text, which is
// the name itself; elsewhere bytes, which only argv has unchanged.
CliArgs rawArguments(int argc, char **argv)
{
    CliArgs args;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    for (const QString &arg : QCoreApplication::arguments().mid(1))
        args.append(arg.toUtf8());
#else
    // argv outlives every command, so its bytes are not copied (a tag pass may get
    // thousands of names).
    for (int i = 1; i < argc; ++i)
        args.append(QByteArray::fromRawData(argv[i], qstrlen(argv[i])));
#endif
    return args;
}

// Takes --legacy-encoding NAME (or =NAME) out of the arguments, wherever it stands
// before "--"; the last one counts. Empty when not given; nullopt when its value is missing.
std::optional<QString> takeLegacyEncoding(CliArgs &args)
{
    static const QByteArray option("--legacy-encoding");
    // Built once: this looks at every FILE argument, and a tag pass may get thousands.
    static const QByteArray optionIs = option + '=';
    QString name;
    for (qsizetype i = 0; i < args.size() && args.at(i) != "--";) {
        const QByteArray &arg = args.at(i);
        if (arg.startsWith(optionIs)) {
            name = argText(arg.mid(optionIs.size()));
            args.removeAt(i);
        } else if (arg == option) {
            if (i + 1 >= args.size())
                return std::nullopt;
            name = argText(args.at(i + 1));
            args.remove(i, 2);
        } else {
            ++i;
        }
    }
    return name;
}

// The decoder this run asks for, or a message why there is none.
std::optional<NameDecoder> chosenDecoder(const std::optional<QString> &option, QString &problem)
{
    if (!option) {
        problem = QStringLiteral("--legacy-encoding needs an encoding's name");
        return std::nullopt;
    }
    const bool fromOption = !option->isEmpty();
    const QString name = fromOption ? *option : qEnvironmentVariable(NameDecoder::environmentVariable());
    if (name.isEmpty())
        return NameDecoder();
    if (std::optional<NameDecoder> decoder = NameDecoder::forEncoding(name))
        return decoder;
    problem = fromOption ? QStringLiteral("--legacy-encoding: unknown encoding '%1'").arg(name)
                         : QStringLiteral("%1: unknown encoding '%2'")
                               .arg(QLatin1String(NameDecoder::environmentVariable()), name);
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    PosixTagFileAccess::ignoreFileSizeSignal();
    std::optional<QCoreApplication> app;
    if (needsApplication(argc, argv))
        app.emplace(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marlune-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));

    QTextStream out(stdout), err(stderr), in(stdin);

    CliArgs args = rawArguments(argc, argv);
    QString problem;
    const std::optional<NameDecoder> decoder = chosenDecoder(takeLegacyEncoding(args), problem);
    if (!decoder) {
        err << "marlune-cli: " << problem << "\n\n" << QString::fromLatin1(kUsage).arg(commandList());
        return CliUsage;
    }
    CliIo io{out, err, in, *decoder};

    if (args.isEmpty()) {
        err << QString::fromLatin1(kUsage).arg(commandList());
        return CliUsage;
    }
    const QByteArray first = args.takeFirst();
    if (first == "--help" || first == "-h") {
        out << QString::fromLatin1(kUsage).arg(commandList());
        return CliOk;
    }
    if (first == "--version") {
        out << "marlune-cli " << MARLUNE_VERSION << '\n';
        return CliOk;
    }
    for (const CliCommand &c : cliCommands()) {
        if (first == c.name)
            return c.run(args, io);
    }
    err << "marlune-cli: unknown command '" << argText(first) << "'\n"
        << QString::fromLatin1(kUsage).arg(commandList());
    return CliUsage;
}
