// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// A command line of any content, in both forms: the Windows text splitter and the
// argument list. Neither takes more than 20 files, each file it takes names a
// recognised extension, and the text and byte views of one argument list agree.
#include "CommandLine.h"
#include "FuzzInput.h"

namespace {

bool endsInExtension(const QString &path)
{
    static const char *const extensions[] = {".mp3", ".mpg", ".asf", ".doc", ".mov", ".txt"};
    for (const char *e : extensions) {
        if (path.endsWith(QLatin1String(e), Qt::CaseInsensitive))
            return true;
    }
    // ".mpe" takes one more character, whatever it is (".mpeg" comes whole).
    return path.size() >= 5 && path.mid(path.size() - 5, 4).compare(QLatin1String(".mpe"), Qt::CaseInsensitive) == 0;
}

void checkWindowsText(const QString &text)
{
    const QStringList files = ParseCommandLine(text);
    fuzzCheck(files.size() <= maxCommandLineFiles, "at most 20 files");
    for (const QString &file : files) {
        fuzzCheck(text.contains(file), "a file is a piece of the command line", file);
        fuzzCheck(file.mid(1, 2) == QLatin1String(":\\"), "a file starts at a drive letter", file);
        fuzzCheck(endsInExtension(file) || text.endsWith(file), "a file ends in its extension", file);
    }
}

void checkArguments(const QList<QByteArray> &arguments)
{
    const CommandLine line = CommandLine::fromNativeArguments(arguments, QByteArrayLiteral("/music"));
    const QStringList files = commandLineFiles(line);
    const QList<QByteArray> native = nativeCommandLineFiles(line);
    fuzzCheck(files.size() <= maxCommandLineFiles, "at most 20 arguments");
    fuzzCheck(files.size() == native.size(), "text and bytes name the same files",
              QString::number(files.size()) + u'/' + QString::number(native.size()));
    for (const QString &file : files)
        fuzzCheck(file.startsWith(u'/') && (endsInExtension(file) || file.endsWith(QLatin1String(".mpe"), Qt::CaseInsensitive)),
                  "an argument file is absolute with an extension", file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray bytes = input.rest();
    checkWindowsText(QString::fromUtf8(bytes));
    checkArguments(bytes.split('\n'));
    return 0;
}
