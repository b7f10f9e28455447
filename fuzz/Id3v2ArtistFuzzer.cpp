// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// Any bytes at the head of a file: the artist of what reads as an ID3v2 tag is found
// without reading past the bytes, and a value never keeps the zero that ends it.
#include "FuzzInput.h"
#include "Id3v2Artist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray bytes = input.rest();
    const QString artist = Id3v2Artist::parse(bytes);
    fuzzCheck(!artist.contains(QChar(0)), "an artist holds no zero", artist);
    fuzzCheck(artist.isEmpty() || Id3v2Artist::tagSize(bytes), "only a tag has an artist", artist);
    return 0;
}
