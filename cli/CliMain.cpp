// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CliMain.h"

#include "CliCommands.h"
#include "CliParser.h"

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
    "  -h, --help   show this help (or COMMAND --help for a command's own)\n"
    "  -V, --version  show the version\n"
    "\n"
    "Exit status: 0 success, 1 a file failed, 2 usage error.\n";

QString commandList()
{
    QString list;
    for (const CliCommand &c : cliCommands())
        list += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(c.name), -12).arg(QString::fromLatin1(c.summary));
    return list;
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

int runCli(CliArgs args, QTextStream &out, QTextStream &err, QTextStream &in)
{
    CliIo io{out, err, in, NameDecoder()};
    const QByteArray usage = QString::fromLatin1(kUsage).arg(commandList()).toUtf8();
    QString problem;
    const std::optional<NameDecoder> decoder = chosenDecoder(takeLegacyEncoding(args), problem);
    if (!decoder)
        return usageError(io, problem, usage.constData());
    io.names = *decoder;

    CliParser parser({});
    parser.stopAtFirstPlainArgument();
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, usage.constData()))
        return *answered;
    if (parser.rest().isEmpty())
        return usageError(io, QStringLiteral("no COMMAND given"), usage.constData());
    const QByteArray command = parser.rest().first();
    for (const CliCommand &c : cliCommands()) {
        if (command == c.name)
            return c.run(parser.rest().mid(1), io);
    }
    return usageError(io, QStringLiteral("unknown command '%1'").arg(argText(command)), usage.constData());
}
