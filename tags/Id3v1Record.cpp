// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"

#include <algorithm>

namespace {

constexpr int TitleAt = 3, ArtistAt = 33, AlbumAt = 63, YearAt = 93, CommentAt = 97, GenreAt = 127;

// The codec runs once per file of a tagging pass over thousands of files, so fields
// are read and written in place, without a buffer of their own.

// Writes text as at most length Latin-1 bytes at out; what is left stays as it is.
// One "?" per character, not per UTF-16 unit, so a character outside the BMP does not
// eat two places of a 30-byte field (an unpaired surrogate is one "?" as well).
void putLatin1(char *out, const QString &text, int length)
{
    const QChar *p = text.constData();
    const QChar *const end = p + text.size();
    for (int n = 0; p != end && n < length; ++n) {
        const QChar c = *p++;
        if (c.isHighSurrogate() && p != end && p->isLowSurrogate())
            ++p;
        out[n] = c.unicode() <= 0xFF ? char(c.unicode()) : '?';
    }
}

// Zero is written as four zero bytes (no year); the field has room for 9999 at most.
// Smaller years get leading zeros, as readers that take the field as text need.
void putYear(char *out, qint16 year)
{
    int value = std::clamp<int>(year, 0, 9999);
    if (value == 0)
        return;
    for (int i = Id3v1Record::YearLength - 1; i >= 0; --i, value /= 10)
        out[i] = char('0' + value % 10);
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
    const QByteArrayView view(bytes);
    r.title = decodeLatin1(view.sliced(TitleAt, TextLength));
    r.artist = decodeLatin1(view.sliced(ArtistAt, TextLength));
    r.album = decodeLatin1(view.sliced(AlbumAt, TextLength));
    r.year = parseYear(view.sliced(YearAt, YearLength));
    const bool v11 = bytes.at(CommentAt + 28) == '\0' && bytes.at(CommentAt + 29) != '\0';
    r.comment = decodeLatin1(view.sliced(CommentAt, v11 ? TrackCommentLength : TextLength));
    r.track = v11 ? quint8(bytes.at(CommentAt + 29)) : 0;
    r.genre = quint8(bytes.at(GenreAt));
    return r;
}

QByteArray Id3v1Record::render() const
{
    QByteArray record(Size, '\0');
    char *out = record.data();
    std::copy_n("TAG", 3, out);
    putLatin1(out + TitleAt, title, TextLength);
    putLatin1(out + ArtistAt, artist, TextLength);
    putLatin1(out + AlbumAt, album, TextLength);
    putYear(out + YearAt, year);
    putLatin1(out + CommentAt, comment, track != 0 ? TrackCommentLength : TextLength);
    if (track != 0)
        out[CommentAt + 29] = char(track);
    out[GenreAt] = char(genre);
    return record;
}

qint16 Id3v1Record::parseYear(QByteArrayView field)
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
    putLatin1(field.data(), text, length);
    return field;
}

QString Id3v1Record::decodeLatin1(QByteArrayView field)
{
    // Older writers leave garbage after the terminating zero; it is not text.
    qsizetype end = field.indexOf('\0');
    if (end < 0)
        end = field.size();
    while (end > 0 && field.at(end - 1) == ' ')
        --end;
    return QString::fromLatin1(field.constData(), end);
}
