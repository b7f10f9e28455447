// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
// SaveTag on any file content with any field values: the bytes before the tag are
// never touched, what is saved loads back as the record it renders, and a write that
// fails part-way leaves the file exactly as it was.
#include "FuzzInput.h"
#include "MemoryTagFileAccess.h"
#include "Veltro.h"

namespace {

const NativeName &path()
{
    static const NativeName name = NativeName::fromText(QStringLiteral("song.mp3"));
    return name;
}

Id3v1Record fieldsFrom(FuzzInput &input)
{
    Id3v1Record r;
    r.genre = input.byte();
    r.track = input.byte();
    r.year = static_cast<qint16>(input.word());
    r.title = input.text(40);
    r.artist = input.text(40);
    r.album = input.text(40);
    r.comment = input.text(40);
    return r;
}

void put(Veltro &tag, const Id3v1Record &r)
{
    tag.setTag_title(r.title);
    tag.setTag_artist(r.artist);
    tag.setTag_album(r.album);
    tag.setTag_comment(r.comment);
    tag.setTag_year(r.year);
    tag.setTag_genre(r.genre);
    tag.setTag_track(r.track);
}

Id3v1Record loaded(const Veltro &tag)
{
    Id3v1Record r;
    r.title = tag.tag_title();
    r.artist = tag.tag_artist();
    r.album = tag.tag_album();
    r.comment = tag.tag_comment();
    r.year = tag.tag_year();
    r.genre = tag.tag_genre();
    r.track = tag.tag_track();
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const quint8 failure = input.byte();
    const Id3v1Record fields = fieldsFrom(input);
    const QByteArray original = input.rest();

    MemoryTagFileAccess file(original);
    Veltro tag(&file);
    tag.setTag_file(path());
    put(tag, fields);
    // One input in four makes the disk fill up somewhere inside the record.
    if (failure % 4 == 0)
        file.failWritesAfter(failure % Id3v1Record::Size);
    const ErrorInfo saved = tag.SaveTag();

    if (failure % 4 == 0) {
        fuzzCheck(saved.number != 0, "a failed write is reported");
        fuzzCheck(file.contents() == original, "a failed save leaves the file as it was");
        return 0;
    }
    fuzzCheck(saved.number == 0, "an in-memory save succeeds", saved.description);
    const QByteArray &now = file.contents();
    const bool hadTag = original.size() >= Id3v1Record::Size && Id3v1Record::isTag(original.right(Id3v1Record::Size));
    const qsizetype kept = hadTag ? original.size() - Id3v1Record::Size : original.size();
    fuzzCheck(now.size() == kept + Id3v1Record::Size && now.left(kept) == original.left(kept),
              "the bytes before the tag are never touched");

    Veltro reread(&file);
    reread.setTag_file(path());
    fuzzCheck(reread.hasTag() && loaded(reread) == Id3v1Record::parse(fields.render()), "a saved tag loads back as rendered");
    return 0;
}
