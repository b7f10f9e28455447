#include "CliMain.h"
#include "MarluneVersion.h"
#include "PosixTagFileAccess.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

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
    for (int i = 1; i < argc; ++i)
        args.append(QByteArray(argv[i]));
#endif
    return args;
}

} // namespace

int main(int argc, char **argv)
{
    PosixTagFileAccess::ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marlune-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));
    QTextStream out(stdout), err(stderr), in(stdin);
    return runCli(rawArguments(argc, argv), out, err, in);
}
