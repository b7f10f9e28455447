// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagCountSuggestion.h"

#include "Id3v1Record.h"
#include "Id3v2Artist.h"
#include "PosixTagFileAccess.h"

#include <algorithm>

namespace {

struct Artists
{
    QString id3v2;
    QString id3v1;
};

// The head's ten bytes tell whether an ID3v2 tag is there and how long it is; the
// tail holds the ID3v1 record. One open reads both.
Artists readEnds(TagFileAccess &access, const QByteArray &path)
{
    Artists artists;
    TagFileAccess::Opened opened = access.open(path, TagFileAccess::Mode::Read);
    if (!opened.file)
        return artists;
    TagOpenFile &file = *opened.file;
    QByteArray head(Id3v2Artist::HeaderSize, '\0');
    if (file.size() >= head.size() && !file.readAt(0, head)) {
        if (const std::optional<qint64> size = Id3v2Artist::tagSize(head)) {
            // A tag that claims more than the file holds is read as far as it goes, and
            // one of pictures of many megabytes only so far: the artist comes early.
            constexpr qint64 kMostRead = 16 * 1024 * 1024;
            QByteArray tag(qsizetype(std::min({*size, file.size(), kMostRead})), '\0');
            if (!file.readAt(0, tag))
                artists.id3v2 = Id3v2Artist::parse(tag);
        }
    }
    QByteArray tail(Id3v1Record::Size, '\0');
    if (file.size() >= tail.size() && !file.readAt(file.size() - tail.size(), tail) && Id3v1Record::isTag(tail))
        artists.id3v1 = Id3v1Record::parse(tail).artist;
    file.close();
    return artists;
}

} // namespace

TagCountSuggestion::TagCountSuggestion(TagFileAccess *access)
    : m_access(access ? *access : PosixTagFileAccess::instance())
{
}

std::optional<int> TagCountSuggestion::suggest(const QByteArray &path, const QString &workingName)
{
    const Artists artists = readEnds(m_access, path);
    if (const std::optional<int> words = artistWords(artists.id3v2, workingName))
        return words;
    return artists.id3v1.isEmpty() ? std::nullopt : artistWords(artists.id3v1, workingName);
}
