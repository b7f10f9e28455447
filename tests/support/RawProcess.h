// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QList>

// Runs a program with arguments given as bytes. QProcess takes its arguments as text
// and hands them over in UTF-8, so it cannot pass a name that is not UTF-8; a shell
// could, at the price of quoting. Standard input is empty.
struct RawProcess
{
    struct Result
    {
        int status = -1; // exit code, -1 when it did not exit normally
        QByteArray out;
        QByteArray err;
    };

    QByteArray program;
    QByteArray workingFolder;
    // Added to (or replacing in) this process's environment, "NAME=value" each.
    QList<QByteArray> environment;

    Result run(const QList<QByteArray> &args) const;
};
