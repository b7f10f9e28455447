// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The 128-byte ID3v1 record: "TAG", title, artist and album of 30 bytes, a year of
// 4, a comment of 30 and the genre byte. When comment byte 29 is zero and byte 30
// is not, the comment has 28 bytes and byte 30 is the ID3v1.1 track number.
// Text is ISO-8859-1; reading drops what follows the first zero byte and trailing
// blanks, writing pads with zero bytes and puts "?" for what Latin-1 cannot hold.
struct Id3v1Record
{
    static constexpr int Size = 128;
    static constexpr int TextLength = 30;
    static constexpr int YearLength = 4;
    static constexpr int TrackCommentLength = 28;
    static constexpr quint8 NoGenre = 255;

    QString title, artist, album, comment;
    qint16 year = 0;
    quint8 genre = NoGenre;
    quint8 track = 0; // 0: an ID3v1.0 record with a 30-character comment

    static bool isTag(const QByteArray &bytes);
    // bytes must be a record (isTag); anything else gives the empty record.
    static Id3v1Record parse(const QByteArray &bytes);
    QByteArray render() const;

    // Year text as stored: the leading digits, 0 when there are none. Written as four
    // digits with leading zeros (‹0042›); 0 as four zero bytes.
    static qint16 parseYear(QByteArrayView field);
    static QByteArray encodeLatin1(const QString &text, int length);
    static QString decodeLatin1(QByteArrayView field);

    bool operator==(const Id3v1Record &) const = default;
};
