// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

// The artist of an ID3v2 tag (versions 2.2 to 2.4): its TPE1 frame, TP1 in 2.2. The
// count prompt needs this one frame; a library that reads every frame cost each start
// of the program more than two thousand symbol lookups.
//
// Values a 2.4 frame holds several of are joined by a space. A frame that is
// compressed or encrypted (no tagger known to us does either to a text frame), or that
// claims more bytes than the tag holds, gives no artist; so does a 2.2 tag compressed
// as a whole.
class Id3v2Artist
{
public:
    static constexpr qsizetype HeaderSize = 10;

    // The whole tag's size in bytes, header (and footer) included, from its first
    // HeaderSize bytes; nullopt when they are no ID3v2 header.
    static std::optional<qint64> tagSize(QByteArrayView header);
    // The artist in tag, the whole tag from its header on; empty when there is none.
    static QString parse(QByteArrayView tag);
};
