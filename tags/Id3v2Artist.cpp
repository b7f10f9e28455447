// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v2Artist.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

// Header flags.
constexpr uchar kUnsynchronised = 0x80;
constexpr uchar kCompressedTag = 0x40; // 2.2 only
constexpr uchar kExtendedHeader = 0x40; // 2.3 and 2.4
constexpr uchar kFooter = 0x10;         // 2.4 only

// Frame format flags (the frame header's second flag byte).
constexpr uchar kCompressed23 = 0x80;
constexpr uchar kEncrypted23 = 0x40;
constexpr uchar kGrouped23 = 0x20;
constexpr uchar kGrouped24 = 0x40;
constexpr uchar kCompressed24 = 0x08;
constexpr uchar kEncrypted24 = 0x04;
constexpr uchar kUnsynchronised24 = 0x02;
constexpr uchar kLengthIndicator24 = 0x01;

quint32 plainNumber(QByteArrayView bytes)
{
    quint32 n = 0;
    for (const char c : bytes)
        n = n << 8 | uchar(c);
    return n;
}

// Seven bits a byte. Some taggers wrote plain numbers where 2.4 wants these; a byte
// with its top bit set shows one, which is then read as it was written.
quint32 syncsafeNumber(QByteArrayView bytes)
{
    quint32 n = 0;
    for (const char c : bytes) {
        if (uchar(c) & 0x80)
            return plainNumber(bytes);
        n = n << 7 | uchar(c);
    }
    return n;
}

// Unsynchronisation put a zero after every 0xFF byte; they come out again.
QByteArray resynchronised(QByteArrayView data)
{
    QByteArray out;
    out.reserve(data.size());
    for (qsizetype i = 0; i < data.size(); ++i) {
        out.append(data[i]);
        if (uchar(data[i]) == 0xFF && i + 1 < data.size() && data[i + 1] == 0)
            ++i;
    }
    return out;
}

// One value of a UTF-16 frame: a byte order mark first, or the first value's. A value
// without either is no text.
QString utf16Value(QByteArrayView bytes, QByteArrayView &firstMark)
{
    QByteArrayView mark = bytes.first(qMin<qsizetype>(2, bytes.size()));
    if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
        if (firstMark.isEmpty())
            firstMark = mark;
        bytes = bytes.sliced(2);
    } else {
        mark = firstMark;
    }
    if (mark.isEmpty())
        return {};
    QStringDecoder decoder(mark == "\xFF\xFE" ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    return decoder.decode(bytes);
}

// A text frame's values, joined by a space; its first byte names their encoding, and a
// zero (two in UTF-16, on an even offset) ends each value.
QString textOf(QByteArrayView data)
{
    if (data.isEmpty() || uchar(data[0]) > 3)
        return {};
    const uchar encoding = uchar(data[0]);
    data = data.sliced(1);
    const bool wide = encoding == 1 || encoding == 2;
    const qsizetype step = wide ? 2 : 1;
    QStringList values;
    QByteArrayView firstMark = encoding == 2 ? QByteArrayView("\xFE\xFF") : QByteArrayView();
    qsizetype start = 0;
    // One step past the data ends the last value.
    for (qsizetype i = 0; i < data.size() + step; i += step) {
        const bool end = i >= data.size() || (data[i] == 0 && (!wide || (i + 1 < data.size() && data[i + 1] == 0)));
        if (!end)
            continue;
        const QByteArrayView bytes = data.sliced(start, qMin(i, data.size()) - start);
        start = i + step;
        QString value;
        if (encoding == 0)
            value = QString::fromLatin1(bytes);
        else if (encoding == 3)
            value = QString::fromUtf8(bytes);
        else
            value = utf16Value(bytes, firstMark);
        if (!value.isEmpty())
            values.append(value);
    }
    return values.join(u' ');
}

// The frame's data as written, from its header's flags and the bytes after the header;
// nullopt when it is encrypted or compressed.
std::optional<QByteArray> frameData(QByteArrayView data, int version, uchar format)
{
    if (version == 3) {
        if (format & (kCompressed23 | kEncrypted23))
            return std::nullopt;
        return data.sliced(qMin<qsizetype>(format & kGrouped23 ? 1 : 0, data.size())).toByteArray();
    }
    if (version == 4) {
        if (format & (kCompressed24 | kEncrypted24))
            return std::nullopt;
        const qsizetype skipped = (format & kGrouped24 ? 1 : 0) + (format & kLengthIndicator24 ? 4 : 0);
        data = data.sliced(qMin(skipped, data.size()));
        return format & kUnsynchronised24 ? resynchronised(data) : data.toByteArray();
    }
    return data.toByteArray();
}

// Where the frames begin in body, past an extended header; nullopt when that header
// claims more than the body holds.
std::optional<qsizetype> framesStart(QByteArrayView body, int version, uchar flags)
{
    if (version == 2 || !(flags & kExtendedHeader))
        return 0;
    if (body.size() < 4)
        return std::nullopt;
    // 2.3 counts the header without its size field, 2.4 with it.
    const qint64 size = version == 3 ? qint64(plainNumber(body.first(4))) + 4 : qint64(syncsafeNumber(body.first(4)));
    if (size > body.size())
        return std::nullopt;
    return qsizetype(size);
}

} // namespace

std::optional<qint64> Id3v2Artist::tagSize(QByteArrayView header)
{
    if (header.size() < HeaderSize || !header.startsWith("ID3"))
        return std::nullopt;
    const uchar version = uchar(header[3]);
    if (version < 2 || version > 4 || uchar(header[4]) == 0xFF)
        return std::nullopt;
    const bool footer = version == 4 && (uchar(header[5]) & kFooter);
    return qint64(HeaderSize) + syncsafeNumber(header.sliced(6, 4)) + (footer ? HeaderSize : 0);
}

QString Id3v2Artist::parse(QByteArrayView tag)
{
    const std::optional<qint64> size = tagSize(tag);
    if (!size)
        return {};
    const int version = uchar(tag[3]);
    const uchar flags = uchar(tag[5]);
    if (version == 2 && (flags & kCompressedTag))
        return {};
    // The frames lie between the header and the footer, if there is one.
    const qint64 framesEnd = *size - ((version == 4 && (flags & kFooter)) ? HeaderSize : 0);
    QByteArrayView body = tag.sliced(HeaderSize, qMin(qint64(tag.size()), framesEnd) - HeaderSize);
    QByteArray whole;
    if (version < 4 && (flags & kUnsynchronised)) {
        whole = resynchronised(body);
        body = whole;
    }
    const std::optional<qsizetype> start = framesStart(body, version, flags);
    if (!start)
        return {};
    const qsizetype headerSize = version == 2 ? 6 : 10;
    const QByteArrayView wanted = version == 2 ? "TP1" : "TPE1";
    for (qsizetype at = *start; at + headerSize <= body.size();) {
        const QByteArrayView header = body.sliced(at, headerSize);
        if (header[0] == 0)
            break; // padding
        const QByteArrayView id = header.first(wanted.size());
        const qint64 dataSize = version == 2 ? plainNumber(header.sliced(3, 3))
            : version == 3                   ? plainNumber(header.sliced(4, 4))
                                             : syncsafeNumber(header.sliced(4, 4));
        at += headerSize;
        if (dataSize > body.size() - at)
            break;
        const QByteArrayView data = body.sliced(at, qsizetype(dataSize));
        if (id == wanted) {
            const std::optional<QByteArray> text = frameData(data, version, version == 2 ? 0 : uchar(header[9]));
            return text ? textOf(*text) : QString();
        }
        at += qsizetype(dataSize);
    }
    return {};
}
