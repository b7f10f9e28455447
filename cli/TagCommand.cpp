// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagCommand.h"

#include "CliParser.h"
#include "GenreTable.h"
#include "TagEditorModel.h"
#include "TerminalText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <optional>

namespace {

const char *const kShowUsage = "Usage: marlune-cli tag show [--json] [--] FILE...\n";
const char *const kSetUsage =
    "Usage: marlune-cli tag set [-n|--dry-run] [--title T] [--artist A] [--album L]\n"
    "                           [--year Y] [--genre NAME|NUMBER] [--comment C] [--] FILE...\n";
const char *const kAutoUsage = "Usage: marlune-cli tag auto [-n|--dry-run] [--] FILE...\n";

const char *const kUsage =
    "Usage: marlune-cli tag show [--json] [--] FILE...\n"
    "       marlune-cli tag set [-n|--dry-run] [--title T] [--artist A] [--album L]\n"
    "                           [--year Y] [--genre NAME|NUMBER] [--comment C] [--] FILE...\n"
    "       marlune-cli tag auto [-n|--dry-run] [--] FILE...\n"
    "\n"
    "show  prints each file's ID3v1 tag (--json: one array of objects)\n"
    "set   changes only the fields named; texts are cut to 30 characters,\n"
    "      the year is up to four digits, the genre a name (any case), a number\n"
    "      of the genre list, or \"\" for none\n"
    "auto  takes artist and title from names like \"(Artist) Title.mp3\"\n"
    "\n"
    "  -n, --dry-run  print the tag that would be written; write nothing\n"
    "  -h, --help     show this help (tag COMMAND --help: that command's)\n"
    "  -V, --version  show the version\n"
    "  --             ends the options: every argument after it is a FILE\n"
    "\n"
    "Exit status: 0 every file done, 1 a file could not be read or written,\n"
    "2 usage error.\n";

// The editor's message, with a plain line break for the terminal.
void reportFailure(CliIo &io, const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    cliError(io, text);
}

QString failureText(const ErrorInfo &error, const QString &path)
{
    return error.description + QStringLiteral("\r\n") + path;
}

QJsonObject tagAsJson(const QString &path, const Veltro &v)
{
    QJsonObject o;
    o.insert(QStringLiteral("file"), path);
    o.insert(QStringLiteral("hasTag"), v.hasTag());
    o.insert(QStringLiteral("title"), v.tag_title());
    o.insert(QStringLiteral("artist"), v.tag_artist());
    o.insert(QStringLiteral("album"), v.tag_album());
    o.insert(QStringLiteral("year"), int(v.tag_year()));
    o.insert(QStringLiteral("genre"), int(v.tag_genre()));
    o.insert(QStringLiteral("genreName"), GenreTable::nameForNumber(v.tag_genre()));
    o.insert(QStringLiteral("comment"), v.tag_comment());
    o.insert(QStringLiteral("track"), v.tag_track() ? QJsonValue(int(v.tag_track())) : QJsonValue());
    return o;
}

void printTag(CliIo &io, const QString &path, const Veltro &v, bool withHasTag = true)
{
    // One field per line: a field must not be able to start a line of its own or send
    // escape sequences to the terminal.
    const QString name = GenreTable::nameForNumber(v.tag_genre());
    io.out << "file: " << escapeForTerminal(path) << '\n';
    if (withHasTag)
        io.out << "hasTag: " << (v.hasTag() ? "yes" : "no") << '\n';
    io.out << "title: " << escapeForTerminal(v.tag_title()) << '\n'
           << "artist: " << escapeForTerminal(v.tag_artist()) << '\n'
           << "album: " << escapeForTerminal(v.tag_album()) << '\n'
           << "year: " << int(v.tag_year()) << '\n'
           << "genre: " << int(v.tag_genre()) << (name.isEmpty() ? QString() : QLatin1Char(' ') + name) << '\n'
           << "comment: " << escapeForTerminal(v.tag_comment()) << '\n';
    if (v.tag_track())
        io.out << "track: " << int(v.tag_track()) << '\n';
    io.out << '\n';
}

// Every sub-command needs at least one FILE.
std::optional<int> parseFiles(CliParser &parser, const CliArgs &args, CliIo &io, const char *usage)
{
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, usage))
        return answered;
    if (parser.plainArguments().isEmpty())
        return usageError(io, QStringLiteral("no FILE given"), usage);
    return std::nullopt;
}

int runShow(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"json"}});
    if (const std::optional<int> answered = parseFiles(parser, args, io, kShowUsage))
        return *answered;
    const bool json = parser.isSet("json");
    Veltro veltro;
    int status = CliOk;
    // The JSON array is written one object at a time, so a long list of files is
    // never held in memory as one document.
    const char *separator = "[\n";
    for (const QByteArray &file : parser.plainArguments()) {
        veltro.setTag_file(io.names.decode(file));
        const QString path = veltro.tag_file();
        if (ErrorInfo e = veltro.loadError()) {
            reportFailure(io, failureText(e, path));
            status = CliFailed;
            continue;
        }
        if (json) {
            io.out << separator << "  " << QString::fromUtf8(QJsonDocument(tagAsJson(path, veltro)).toJson(QJsonDocument::Compact));
            separator = ",\n";
        } else {
            printTag(io, path, veltro);
        }
    }
    if (json)
        io.out << (separator[0] == '[' ? "[" : "\n") << "]\n";
    return status;
}

// The fields "tag set" was asked to change, already checked.
struct FieldChanges
{
    std::array<std::optional<QString>, 6> texts; // by txtTag index
    std::optional<int> genreIndex;
    bool any() const
    {
        return genreIndex || std::any_of(texts.begin(), texts.end(), [](const auto &t) { return t.has_value(); });
    }
};

std::optional<int> genreListIndex(const QString &value)
{
    if (value.trimmed().isEmpty())
        return GenreTable::BlankIndex;
    if (const auto number = GenreTable::numberForName(value))
        return GenreTable::listIndexForNumber(*number);
    bool isNumber = false;
    const uint number = value.trimmed().toUInt(&isNumber);
    if (!isNumber || number > 255)
        return std::nullopt;
    if (number == GenreTable::NoGenre)
        return GenreTable::BlankIndex;
    const int index = GenreTable::listIndexForNumber(quint8(number));
    return index == GenreTable::BlankIndex ? std::nullopt : std::optional<int>(index);
}

bool isYear(const QString &value)
{
    return value.size() <= 4 && TagEditorModel::fitField(TagEditorModel::Year, value) == value;
}

// The field options of "tag set" checked; a message on bad input.
std::optional<QString> checkChanges(const CliParser &parser, FieldChanges &changes)
{
    static const std::pair<const char *, int> textOptions[] = {
        {"title", TagEditorModel::Title}, {"artist", TagEditorModel::Artist}, {"album", TagEditorModel::Album},
        {"year", TagEditorModel::Year},   {"comment", TagEditorModel::Comment},
    };
    for (const auto &[name, field] : textOptions) {
        if (!parser.isSet(name))
            continue;
        const QString value = parser.value(name);
        if (field == TagEditorModel::Year && !isYear(value))
            return QStringLiteral("the year must be up to four digits, not '%1'").arg(value);
        changes.texts[size_t(field)] = value;
    }
    if (parser.isSet("genre")) {
        changes.genreIndex = genreListIndex(parser.value("genre"));
        if (!changes.genreIndex)
            return QStringLiteral("unknown genre '%1' (see marlune-cli genres)").arg(parser.value("genre"));
    }
    if (!changes.any())
        return QStringLiteral("set needs at least one of --title, --artist, --album, --year, --genre, --comment");
    return std::nullopt;
}

// What WriteTag would put in the file, for --dry-run: the loaded tag with the
// editor's fields over it.
Veltro tagToWrite(const TagEditorModel &editor, const std::optional<int> &genreIndex)
{
    const Veltro &loaded = editor.veltro();
    Veltro v;
    v.setTag_genre(loaded.tag_genre());
    v.setTag_track(loaded.tag_track());
    v.setTag_title(editor.txtTag(TagEditorModel::Title));
    v.setTag_artist(editor.txtTag(TagEditorModel::Artist));
    v.setTag_album(editor.txtTag(TagEditorModel::Album));
    v.setTag_comment(editor.txtTag(TagEditorModel::Comment));
    const QString year = editor.txtTag(TagEditorModel::Year).trimmed();
    v.setTag_year(year.isEmpty() ? 0 : year.toShort());
    if (genreIndex)
        v.setTag_genre(GenreTable::numberForListIndex(*genreIndex));
    return v;
}

// Writes the editor's fields, or with --dry-run prints them; false on a failure.
bool writeOrShow(TagEditorModel &editor, const std::optional<int> &genreIndex, bool dryRun, CliIo &io)
{
    if (dryRun) {
        if (ErrorInfo e = editor.veltro().loadError()) {
            reportFailure(io, failureText(e, editor.veltro().tag_file()));
            return false;
        }
        printTag(io, editor.veltro().tag_file(), tagToWrite(editor, genreIndex), false);
        return true;
    }
    if (ErrorInfo e = editor.WriteTag()) {
        reportFailure(io, editor.writeFailureText(e));
        return false;
    }
    return true;
}

int runSet(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"title", 0, true},
                      {"artist", 0, true},
                      {"album", 0, true},
                      {"year", 0, true},
                      {"genre", 0, true},
                      {"comment", 0, true},
                      {"dry-run", 'n'}});
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kSetUsage))
        return *answered;
    FieldChanges changes;
    if (const auto problem = checkChanges(parser, changes))
        return usageError(io, *problem, kSetUsage);
    if (parser.plainArguments().isEmpty())
        return usageError(io, QStringLiteral("set needs at least one FILE"), kSetUsage);
    TagEditorModel editor;
    int status = CliOk;
    // A dry run only reads: a file it may not write is still shown.
    const bool dryRun = parser.isSet("dry-run");
    const Veltro::Intent intent = dryRun ? Veltro::Intent::Read : Veltro::Intent::Write;
    for (const QByteArray &file : parser.plainArguments()) {
        editor.DisplayInfo(io.names.decode(file), intent);
        for (size_t index = 0; index < changes.texts.size(); ++index) {
            if (changes.texts[index])
                editor.setTxtTag(int(index), *changes.texts[index]);
        }
        if (changes.genreIndex)
            editor.setGenreIndex(*changes.genreIndex);
        if (!writeOrShow(editor, changes.genreIndex, dryRun, io))
            status = CliFailed;
    }
    return status;
}

int runAuto(const CliArgs &args, CliIo &io)
{
    CliParser parser({{"dry-run", 'n'}});
    if (const std::optional<int> answered = parseFiles(parser, args, io, kAutoUsage))
        return *answered;
    TagEditorModel editor;
    int status = CliOk;
    const bool dryRun = parser.isSet("dry-run");
    for (const QByteArray &file : parser.plainArguments()) {
        if (dryRun) {
            editor.DisplayInfo(io.names.decode(file));
            editor.AutoTag();
            if (!writeOrShow(editor, std::nullopt, true, io))
                status = CliFailed;
        } else if (ErrorInfo e = editor.autoTagFile(io.names.decode(file))) {
            reportFailure(io, editor.writeFailureText(e));
            status = CliFailed;
        }
    }
    return status;
}

} // namespace

int runTag(const CliArgs &args, CliIo &io)
{
    CliParser parser({});
    parser.stopAtFirstPlainArgument();
    if (const std::optional<int> answered = parseOrAnswer(parser, args, io, kUsage))
        return *answered;
    if (parser.rest().isEmpty())
        return usageError(io, QStringLiteral("which of show, set, auto?"), kUsage);
    const QByteArray sub = parser.rest().first();
    const CliArgs rest = parser.rest().mid(1);
    if (sub == "show")
        return runShow(rest, io);
    if (sub == "set")
        return runSet(rest, io);
    if (sub == "auto")
        return runAuto(rest, io);
    return usageError(io, QStringLiteral("unknown sub-command '%1'").arg(argText(sub)), kUsage);
}
