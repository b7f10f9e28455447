#pragma once

#include <QTextStream>

// The three standard streams of one command-line run. Commands write through
// this, never to std::cout directly, so they stay testable in-process too.
struct CliIo
{
    QTextStream &out;
    QTextStream &err;
    QTextStream &in;
};

// Exit statuses shared by every command.
enum CliStatus : int { CliOk = 0, CliFailed = 1, CliUsage = 2 };
