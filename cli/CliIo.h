// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NameDecoder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTextStream>

// The three standard streams of one command-line run, and how the run shows file
// names that are not UTF-8 (--legacy-encoding). Commands write through this, never to
// std::cout directly, so they stay testable in-process too.
struct CliIo
{
    QTextStream &out;
    QTextStream &err;
    QTextStream &in;
    NameDecoder names;
};

// A command's arguments exactly as the system handed them over: FILE arguments are
// the files' native names, never decoded and encoded again.
using CliArgs = QList<QByteArray>;

// An argument that is an option or its value, as text.
inline QString argText(const QByteArray &arg)
{
    return QString::fromLocal8Bit(arg);
}

// Exit statuses shared by every command.
enum CliStatus : int { CliOk = 0, CliFailed = 1, CliUsage = 2 };

// One line on standard error, marked as the program's own.
inline void cliError(CliIo &io, const QString &text)
{
    io.err << "marlune-cli: " << text << '\n';
    io.err.flush();
}

// A usage error: what was wrong, then how the command is used.
inline int usageError(CliIo &io, const QString &problem, const char *usage)
{
    io.err << "marlune-cli: " << problem << "\n\n" << usage;
    return CliUsage;
}
