// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// Any 128 bytes at the end of a file: a record read from them writes back as a record
// that reads the same, so saving an untouched tag never changes what the editor shows.
#include "FuzzInput.h"
#include "Id3v1Record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray bytes = input.rest();
    const Id3v1Record record = Id3v1Record::parse(bytes);
    if (!Id3v1Record::isTag(bytes)) {
        fuzzCheck(record == Id3v1Record{}, "bytes that are no tag read as the empty record");
        return 0;
    }
    const QByteArray rendered = record.render();
    fuzzCheck(rendered.size() == Id3v1Record::Size && Id3v1Record::isTag(rendered), "a record renders as a tag");
    const Id3v1Record again = Id3v1Record::parse(rendered);
    fuzzCheck(again == record, "a record reads back the same",
              record.title + u'|' + record.artist + u'|' + record.album + u'|' + record.comment + u'|'
                  + QString::number(record.year) + u'|' + QString::number(record.track));
    return 0;
}
