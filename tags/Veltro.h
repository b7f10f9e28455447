// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"
#include "Id3v1Record.h"
#include "NativeName.h"
#include "TagFileAccess.h"

#include <QString>
#include <memory>

// The tag component: holds the ID3v1 tag of one file. Assigning tag_file loads that
// file's tag at once (a file without one, or one that cannot be read, gives empty
// texts, year 0, genre 255); SaveTag writes the held values back as the file's last
// 128 bytes, in place over an existing tag or appended, never touching the bytes
// before it. The property names are those the tag editor and the CLI rely on.
class Veltro
{
public:
    explicit Veltro(TagFileAccess *access = nullptr);

    // What a load is for. Read opens the file, reads the tag and closes it. Write
    // opens it read-write and keeps that descriptor for the one SaveTag that follows,
    // so a file that is loaded and saved at once (automatic tagging, tag set) is
    // opened once. A file that refuses writing is still read; SaveTag then reports
    // why it could not be opened for writing.
    enum class Intent { Read, Write };

    // The file's path as shown; the file itself is addressed by its native bytes.
    QString tag_file() const { return m_file.text(); }
    const NativeName &tag_nativeFile() const { return m_file; }
    void setTag_file(const NativeName &path, Intent intent = Intent::Read);
    // A path given as text is that text in UTF-8.
    void setTag_file(const QString &path, Intent intent = Intent::Read)
    {
        setTag_file(NativeName::fromText(path), intent);
    }

    QString tag_title() const { return m_tag.title; }
    QString tag_artist() const { return m_tag.artist; }
    QString tag_album() const { return m_tag.album; }
    QString tag_comment() const { return m_tag.comment; }
    qint16 tag_year() const { return m_tag.year; }
    quint8 tag_genre() const { return m_tag.genre; }
    // The ID3v1.1 track number loaded with the tag, 0 for none; kept when saving
    // (the comment then has room for 28 characters).
    quint8 tag_track() const { return m_tag.track; }

    void setTag_title(const QString &text) { m_tag.title = text; }
    void setTag_artist(const QString &text) { m_tag.artist = text; }
    void setTag_album(const QString &text) { m_tag.album = text; }
    void setTag_comment(const QString &text) { m_tag.comment = text; }
    void setTag_year(qint16 year) { m_tag.year = year; }
    void setTag_genre(quint8 genre) { m_tag.genre = genre; }
    void setTag_track(quint8 track) { m_tag.track = track; }

    // Returns 0 on success, else one of the TagErrors numbers with its description;
    // on failure the file is as it was before.
    ErrorInfo SaveTag();

    // Not part of the editor's contract: whether the last load found a tag, and why
    // it could not read the file at all (number 0 when it could).
    bool hasTag() const { return m_hasTag; }
    ErrorInfo loadError() const { return m_loadError; }

private:
    ErrorInfo load();
    ErrorInfo loadForWriting();
    ErrorInfo readTag(TagOpenFile &file);
    ErrorInfo save(TagOpenFile &file, qint64 pos, const QByteArray &previous);

    TagFileAccess &m_access;
    NativeName m_file;
    Id3v1Record m_tag;
    bool m_hasTag = false;
    ErrorInfo m_loadError;
    // The tag bytes the file ended with when loaded (empty when it had none): put
    // back if a write on the held file fails half-way.
    QByteArray m_loadedRecord;
    // Between a Write load and its SaveTag: the open file, or why it could not be
    // opened for writing.
    std::unique_ptr<TagOpenFile> m_held;
    ErrorInfo m_writeError;
};
