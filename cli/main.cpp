// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "BatchHeap.h"
#include "CliMain.h"
#include "MarluneVersion.h"
#include "PosixTagFileAccess.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// Building the application object loads the locale files and starts an event
// dispatcher (80 of the 270 system calls of --version), for nothing the tag, rename and
// genre commands, the help or the version use: Qt reads names and streams as UTF-8 on
// Unix whatever the locale. Windows needs it for the arguments.
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
    return !(first == "tag" || first == "rename" || first == "genres" || first == "--version" || first == "-V"
             || first == "--help" || first == "-h");
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
    args.reserve(argc);
    for (int i = 1; i < argc; ++i)
        args.append(QByteArray::fromRawData(argv[i], qstrlen(argv[i])));
#endif
    return args;
}

} // namespace

int main(int argc, char **argv)
{
    // A name, its proposal and what goes with them: under two kilobytes per FILE.
    constexpr int kBatchFrom = 1000;
    if (argc > kBatchFrom)
        BatchHeap::reserve(std::size_t(argc) * 2048);
    PosixTagFileAccess::ignoreFileSizeSignal();
    std::optional<QCoreApplication> app;
    if (needsApplication(argc, argv))
        app.emplace(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("marlune-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARLUNE_VERSION));
    QTextStream out(stdout), err(stderr), in(stdin);
    return runCli(rawArguments(argc, argv), out, err, in);
}
