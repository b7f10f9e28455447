#include "CliCommands.h"
#include "CliIo.h"
#include "MarluneVersion.h"
#include "PosixTagFileAccess.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const char *const kUsage =
    "Usage: marlune-cli COMMAND [OPTIONS] FILE...\n"
    "\n"
    "Puts music file names and ID3v1 tags into one clean form.\n"
    "\n"
    "Commands:\n"
    "%1"
    "\n"
    "Options:\n"
    "  --help       show this help (or COMMAND --help for a command's own)\n"
    "  --version    show the version\n";

QString commandList()
{
    QString list;
    for (const CliCommand &c : cliCommands())
        list += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(c.name), -12).arg(QString::fromLatin1(c.summary));
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    PosixTagFileAccess::ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marlune-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));

    QTextStream out(stdout), err(stderr), in(stdin);
    CliIo io{out, err, in};

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << QString::fromLatin1(kUsage).arg(commandList());
        return CliUsage;
    }
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << QString::fromLatin1(kUsage).arg(commandList());
        return CliOk;
    }
    if (first == QLatin1String("--version")) {
        out << "marlune-cli " << MARLUNE_VERSION << '\n';
        return CliOk;
    }
    for (const CliCommand &c : cliCommands()) {
        if (first == QLatin1String(c.name))
            return c.run(args, io);
    }
    err << "marlune-cli: unknown command '" << first << "'\n"
        << QString::fromLatin1(kUsage).arg(commandList());
    return CliUsage;
}
