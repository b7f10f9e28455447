#include "TagCommand.h"

#include "GenreTable.h"
#include "TagEditorModel.h"
#include "TerminalText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <optional>

namespace {

const char *const kUsage =
    "Usage: marlune-cli tag show [--json] FILE...\n"
    "       marlune-cli tag set [--title T] [--artist A] [--album L] [--year Y]\n"
    "                           [--genre NAME|NUMBER] [--comment C] FILE...\n"
    "       marlune-cli tag auto FILE...\n"
    "\n"
    "show  prints each file's ID3v1 tag (--json: one array of objects)\n"
    "set   changes only the fields named; texts are cut to 30 characters,\n"
    "      the year is up to four digits, the genre a name (any case), a number\n"
    "      of the genre list, or \"\" for none\n"
    "auto  takes artist and title from names like \"(Artist) Title.mp3\"\n";

int usageError(CliIo &io, const QString &problem)
{
    io.err << "marlune-cli tag: " << problem << '\n' << kUsage;
    return CliUsage;
}

// The editor's message, with a plain line break for the terminal.
void reportFailure(CliIo &io, const QString &message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    io.err << text << '\n';
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

void printTag(CliIo &io, const QString &path, const Veltro &v)
{
    // One field per line: a field must not be able to start a line of its own or send
    // escape sequences to the terminal.
    const QString name = GenreTable::nameForNumber(v.tag_genre());
    io.out << "file: " << escapeForTerminal(path) << '\n'
           << "hasTag: " << (v.hasTag() ? "yes" : "no") << '\n'
           << "title: " << escapeForTerminal(v.tag_title()) << '\n'
           << "artist: " << escapeForTerminal(v.tag_artist()) << '\n'
           << "album: " << escapeForTerminal(v.tag_album()) << '\n'
           << "year: " << int(v.tag_year()) << '\n'
           << "genre: " << int(v.tag_genre()) << (name.isEmpty() ? QString() : QLatin1Char(' ') + name) << '\n'
           << "comment: " << escapeForTerminal(v.tag_comment()) << '\n';
    if (v.tag_track())
        io.out << "track: " << int(v.tag_track()) << '\n';
    io.out << '\n';
}

int runShow(CliArgs args, CliIo &io)
{
    const bool json = args.removeAll(QByteArray("--json")) > 0;
    if (args.isEmpty())
        return usageError(io, QStringLiteral("show needs at least one FILE"));
    Veltro veltro;
    int status = CliOk;
    // The JSON array is written one object at a time, so a long list of files is
    // never held in memory as one document.
    const char *separator = "[\n";
    for (const QByteArray &file : std::as_const(args)) {
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

// Splits "tag set" arguments into field changes and files; a message on bad input.
std::optional<QString> parseSet(const CliArgs &args, FieldChanges &changes, CliArgs &files)
{
    static const QList<std::pair<QString, int>> textOptions = {
        {QStringLiteral("--title"), TagEditorModel::Title},   {QStringLiteral("--artist"), TagEditorModel::Artist},
        {QStringLiteral("--album"), TagEditorModel::Album},   {QStringLiteral("--year"), TagEditorModel::Year},
        {QStringLiteral("--comment"), TagEditorModel::Comment},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == "--") {
            files += args.mid(i + 1);
            break;
        }
        if (!args.at(i).startsWith("--")) {
            files << args.at(i);
            continue;
        }
        const QString arg = argText(args.at(i));
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(arg);
        const QString value = argText(args.at(++i));
        if (arg == QLatin1String("--genre")) {
            changes.genreIndex = genreListIndex(value);
            if (!changes.genreIndex)
                return QStringLiteral("unknown genre '%1' (see marlune-cli genres)").arg(value);
            continue;
        }
        const auto option = std::find_if(textOptions.begin(), textOptions.end(), [&](const auto &o) { return o.first == arg; });
        if (option == textOptions.end())
            return QStringLiteral("unknown option %1").arg(arg);
        if (option->second == TagEditorModel::Year && !isYear(value))
            return QStringLiteral("the year must be up to four digits, not '%1'").arg(value);
        changes.texts[size_t(option->second)] = value;
    }
    if (!changes.any())
        return QStringLiteral("set needs at least one of --title, --artist, --album, --year, --genre, --comment");
    if (files.isEmpty())
        return QStringLiteral("set needs at least one FILE");
    return std::nullopt;
}

int runSet(const CliArgs &args, CliIo &io)
{
    FieldChanges changes;
    CliArgs files;
    if (const auto problem = parseSet(args, changes, files))
        return usageError(io, *problem);
    TagEditorModel editor;
    int status = CliOk;
    for (const QByteArray &file : std::as_const(files)) {
        editor.DisplayInfo(io.names.decode(file), Veltro::Intent::Write);
        for (size_t index = 0; index < changes.texts.size(); ++index) {
            if (changes.texts[index])
                editor.setTxtTag(int(index), *changes.texts[index]);
        }
        if (changes.genreIndex)
            editor.setGenreIndex(*changes.genreIndex);
        if (ErrorInfo e = editor.WriteTag()) {
            reportFailure(io, editor.writeFailureText(e));
            status = CliFailed;
        }
    }
    return status;
}

int runAuto(const CliArgs &files, CliIo &io)
{
    if (files.isEmpty())
        return usageError(io, QStringLiteral("auto needs at least one FILE"));
    TagEditorModel editor;
    int status = CliOk;
    for (const QByteArray &file : files) {
        if (ErrorInfo e = editor.autoTagFile(io.names.decode(file))) {
            reportFailure(io, editor.writeFailureText(e));
            status = CliFailed;
        }
    }
    return status;
}

} // namespace

int runTag(const CliArgs &args, CliIo &io)
{
    if (args.isEmpty())
        return usageError(io, QStringLiteral("which of show, set, auto?"));
    const QByteArray sub = args.first();
    const CliArgs rest = args.mid(1);
    if (sub == "--help" || rest.contains("--help")) {
        io.out << kUsage;
        return CliOk;
    }
    if (sub == "show")
        return runShow(rest, io);
    if (sub == "set")
        return runSet(rest, io);
    if (sub == "auto")
        return runAuto(rest, io);
    return usageError(io, QStringLiteral("unknown sub-command '%1'").arg(argText(sub)));
}
