// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommandLine.h"

#include <QDir>

namespace {

bool isRecognisedExtension(QStringView fourUpper)
{
    static const char *const extensions[] = {".MP3", ".MPG", ".ASF", ".DOC", ".MOV", ".TXT"};
    for (const char *e : extensions) {
        if (fourUpper == QLatin1String(e))
            return true;
    }
    return false;
}

bool endsWithRecognisedExtension(const QString &path)
{
    static const char *const extensions[] = {".mp3", ".mpg", ".asf", ".doc", ".mov", ".txt", ".mpe", ".mpeg"};
    for (const char *e : extensions) {
        if (path.endsWith(QLatin1String(e), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

CommandLine CommandLine::fromText(const QString &text)
{
    CommandLine c;
    c.form = Form::WindowsText;
    c.text = text;
    return c;
}

CommandLine CommandLine::fromArguments(const QStringList &arguments, const QString &workingFolder)
{
    CommandLine c;
    c.form = Form::Arguments;
    c.arguments = arguments;
    c.workingFolder = workingFolder;
    return c;
}

CommandLine CommandLine::fromNativeArguments(const QList<QByteArray> &arguments, const QByteArray &workingFolder)
{
    QStringList texts;
    for (const QByteArray &argument : arguments)
        texts.append(QString::fromLocal8Bit(argument));
    CommandLine c = fromArguments(texts, QString::fromLocal8Bit(workingFolder));
    c.nativeArguments = arguments;
    c.nativeWorkingFolder = workingFolder;
    return c;
}

bool CommandLine::isEmpty() const
{
    return form == Form::WindowsText ? text.isEmpty() : arguments.isEmpty();
}

QStringList ParseCommandLine(const QString &cmd)
{
    QStringList files;
    // Positions below are 0-based; start is the drive letter's position, -1 while none.
    qsizetype start = -1;
    const qsizetype last = cmd.size() - 4;
    for (qsizetype i = 0; i <= last; ++i) {
        if (cmd.at(i) == u':' && cmd.at(i + 1) == u'\\')
            start = i - 1;
        const QString w = cmd.mid(i, 4).toUpper();
        qsizetype length = 0;
        if (isRecognisedExtension(w))
            length = i - start + 4;
        else if (w == QLatin1String(".MPE"))
            length = i - start + 5;
        if (length > 0 && start >= 0)
            files.append(cmd.mid(start, length));
        if (files.size() == maxCommandLineFiles)
            break;
    }
    return files;
}

QStringList ParseArgumentList(const QStringList &arguments, const QString &workingFolder)
{
    QStringList files;
    const QDir base(workingFolder);
    for (const QString &argument : arguments) {
        if (files.size() == maxCommandLineFiles)
            break;
        if (!endsWithRecognisedExtension(argument))
            continue;
        // QDir takes a name beginning with ":" for a Qt resource, already absolute;
        // on the command line it is an ordinary file in the working folder.
        files.append(argument.startsWith(u':') ? base.absolutePath() + u'/' + argument
                                               : base.absoluteFilePath(argument));
    }
    return files;
}

QList<QByteArray> nativeCommandLineFiles(const CommandLine &commandLine)
{
    QList<QByteArray> files;
    if (commandLine.form == CommandLine::Form::WindowsText || commandLine.nativeArguments.isEmpty()) {
        for (const QString &path : commandLineFiles(commandLine))
            files.append(path.toUtf8());
        return files;
    }
    // The extensions are ASCII, so the bytes are tested as the text would be.
    for (const QByteArray &argument : commandLine.nativeArguments) {
        if (files.size() == maxCommandLineFiles)
            break;
        if (!endsWithRecognisedExtension(QString::fromLatin1(argument.right(5))))
            continue;
        const bool absolute = argument.startsWith('/');
        files.append(absolute ? argument : commandLine.nativeWorkingFolder + '/' + argument);
    }
    return files;
}

QStringList commandLineFiles(const CommandLine &commandLine)
{
    if (commandLine.form == CommandLine::Form::WindowsText)
        return ParseCommandLine(commandLine.text);
    return ParseArgumentList(commandLine.arguments, commandLine.workingFolder);
}
