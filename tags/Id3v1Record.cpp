#include "Id3v1Record.h"

#include <QList>
#include <QStringView>
#include <algorithm>

namespace {

constexpr int TitleAt = 3, ArtistAt = 33, AlbumAt = 63, YearAt = 93, CommentAt = 97, GenreAt = 127;

void put(QByteArray &record, int at, const QByteArray &field)
{
    std::copy(field.begin(), field.end(), record.begin() + at);
}

QByteArray encodeYear(qint16 year)
{
    // Zero is written as four zero bytes (no year); the field has room for 9999 at most.
    // Smaller years get leading zeros, as readers that take the field as text need.
    const int clamped = std::clamp<int>(year, 0, 9999);
    if (clamped == 0)
        return QByteArray(Id3v1Record::YearLength, '\0');
    return QByteArray::number(clamped).rightJustified(Id3v1Record::YearLength, '0');
}

} // namespace

bool Id3v1Record::isTag(const QByteArray &bytes)
{
    return bytes.size() == Size && bytes.startsWith("TAG");
}

Id3v1Record Id3v1Record::parse(const QByteArray &bytes)
{
    Id3v1Record r;
    if (!isTag(bytes))
        return r;
    r.title = decodeLatin1(bytes.mid(TitleAt, TextLength));
    r.artist = decodeLatin1(bytes.mid(ArtistAt, TextLength));
    r.album = decodeLatin1(bytes.mid(AlbumAt, TextLength));
    r.year = parseYear(bytes.mid(YearAt, YearLength));
    const bool v11 = bytes.at(CommentAt + 28) == '\0' && bytes.at(CommentAt + 29) != '\0';
    r.comment = decodeLatin1(bytes.mid(CommentAt, v11 ? TrackCommentLength : TextLength));
    r.track = v11 ? quint8(bytes.at(CommentAt + 29)) : 0;
    r.genre = quint8(bytes.at(GenreAt));
    return r;
}

QByteArray Id3v1Record::render() const
{
    QByteArray record(Size, '\0');
    put(record, 0, "TAG");
    put(record, TitleAt, encodeLatin1(title, TextLength));
    put(record, ArtistAt, encodeLatin1(artist, TextLength));
    put(record, AlbumAt, encodeLatin1(album, TextLength));
    put(record, YearAt, encodeYear(year));
    if (track != 0) {
        put(record, CommentAt, encodeLatin1(comment, TrackCommentLength));
        record[CommentAt + 29] = char(track);
    } else {
        put(record, CommentAt, encodeLatin1(comment, TextLength));
    }
    record[GenreAt] = char(genre);
    return record;
}

qint16 Id3v1Record::parseYear(const QByteArray &field)
{
    qint16 year = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            break;
        year = qint16(year * 10 + (c - '0'));
    }
    return year;
}

QByteArray Id3v1Record::encodeLatin1(const QString &text, int length)
{
    QByteArray field(length, '\0');
    int out = 0;
    // One "?" per character, not per UTF-16 unit, so a character outside the BMP
    // does not eat two places of a 30-byte field.
    for (char32_t c : QStringView(text).toUcs4()) {
        if (out == length)
            break;
        field[out++] = c <= 0xFF ? char(c) : '?';
    }
    return field;
}

QString Id3v1Record::decodeLatin1(const QByteArray &field)
{
    // Older writers leave garbage after the terminating zero; it is not text.
    qsizetype end = field.indexOf('\0');
    if (end < 0)
        end = field.size();
    while (end > 0 && field.at(end - 1) == ' ')
        --end;
    return QString::fromLatin1(field.constData(), end);
}
