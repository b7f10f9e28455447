// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagCountSuggestion.h"

#include "Id3v1Record.h"
#include "PosixTagFileAccess.h"

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

namespace {

struct Artists
{
    bool hasId3v2 = false;
    QString id3v1;
};

// The head's three bytes tell whether TagLib is needed; the tail holds the ID3v1 record.
Artists readEnds(TagFileAccess &access, const QByteArray &path)
{
    Artists artists;
    TagFileAccess::Opened opened = access.open(path, TagFileAccess::Mode::Read);
    if (!opened.file)
        return artists;
    TagOpenFile &file = *opened.file;
    QByteArray head(3, '\0');
    artists.hasId3v2 = file.size() >= head.size() && !file.readAt(0, head) && head == "ID3";
    QByteArray tail(Id3v1Record::Size, '\0');
    if (file.size() >= tail.size() && !file.readAt(file.size() - tail.size(), tail) && Id3v1Record::isTag(tail))
        artists.id3v1 = Id3v1Record::parse(tail).artist;
    file.close();
    return artists;
}

QString id3v2Artist(const QByteArray &path)
{
    TagLib::MPEG::File file(path.constData(), false);
    const TagLib::ID3v2::Tag *tag = file.isValid() ? file.ID3v2Tag() : nullptr;
    return tag ? QString::fromStdString(tag->artist().to8Bit(true)) : QString();
}

} // namespace

TagCountSuggestion::TagCountSuggestion(TagFileAccess *access)
    : m_access(access ? *access : PosixTagFileAccess::instance())
{
}

std::optional<int> TagCountSuggestion::suggest(const QByteArray &path, const QString &workingName)
{
    const Artists artists = readEnds(m_access, path);
    if (artists.hasId3v2) {
        if (const std::optional<int> words = artistWords(id3v2Artist(path), workingName))
            return words;
    }
    return artists.id3v1.isEmpty() ? std::nullopt : artistWords(artists.id3v1, workingName);
}
