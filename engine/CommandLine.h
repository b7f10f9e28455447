// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// How the program's command line arrives: on Windows as one raw text, elsewhere as the
// argument list (relative paths taken from the folder the program was started in).
struct CommandLine
{
    enum class Form { WindowsText, Arguments };

    Form form = Form::Arguments;
    QString text;
    QStringList arguments;
    QString workingFolder;
    // The arguments and folder as the system gave them, when known: file names need
    // not be UTF-8, and only these bytes address such a file.
    QList<QByteArray> nativeArguments;
    QByteArray nativeWorkingFolder;

    static CommandLine fromText(const QString &text);
    static CommandLine fromArguments(const QStringList &arguments, const QString &workingFolder);
    static CommandLine fromNativeArguments(const QList<QByteArray> &arguments, const QByteArray &workingFolder);
    bool isEmpty() const;
};

// At most this many files are taken from a command line.
inline constexpr int maxCommandLineFiles = 20;

// Finds up to 20 file paths in Windows command-line text: each runs from the drive letter
// of the last ":\" seen to the end of the next recognised extension (.mp3 .mpg .asf .doc
// .mov .txt, any letter case; .mpe takes one more character, so .mpeg comes whole). No
// quotes or separators are needed between paths. An extension met before any drive
// letter is skipped.
QStringList ParseCommandLine(const QString &cmd);

// The argument-list form: each argument whose name ends in a recognised extension
// (any letter case, .mpe and .mpeg included) is one path, made absolute against
// workingFolder; at most 20.
QStringList ParseArgumentList(const QStringList &arguments, const QString &workingFolder);

// The files a command line names, in whichever form it came.
QStringList commandLineFiles(const CommandLine &commandLine);
// The same by their native paths: the given bytes when the arguments came as bytes,
// else the UTF-8 form of the paths.
QList<QByteArray> nativeCommandLineFiles(const CommandLine &commandLine);
