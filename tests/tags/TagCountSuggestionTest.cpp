// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "Id3v2Artist.h"
#include "MpegFixture.h"
#include "NameNormaliser.h"
#include "PosixTagFileAccess.h"
#include "TagCountSuggestion.h"
#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

namespace {

// The real files, counting the bytes read through them.
class CountingAccess : public TagFileAccess
{
public:
    Opened open(const QByteArray &path, Mode mode) override
    {
        Opened opened = PosixTagFileAccess::instance().open(path, mode);
        if (opened.file)
            opened.file = std::make_unique<Counted>(std::move(opened.file), bytesRead);
        return opened;
    }

    qint64 bytesRead = 0;

private:
    class Counted : public TagOpenFile
    {
    public:
        Counted(std::unique_ptr<TagOpenFile> file, qint64 &read) : m_file(std::move(file)), m_read(read) {}
        qint64 size() const override { return m_file->size(); }
        ErrorInfo readAt(qint64 pos, QByteArray &bytes) override
        {
            m_read += bytes.size();
            return m_file->readAt(pos, bytes);
        }
        ErrorInfo writeAt(qint64 pos, const QByteArray &bytes) override { return m_file->writeAt(pos, bytes); }
        ErrorInfo truncate(qint64 length) override { return m_file->truncate(length); }
        ErrorInfo close() override { return m_file->close(); }

    private:
        std::unique_ptr<TagOpenFile> m_file;
        qint64 &m_read;
    };
};

struct Row
{
    const char *what;
    const char *name;
    const char *id3v1Artist; // null: no ID3v1 tag
    const char *id3v2Artist; // null: no ID3v2 tag
    std::optional<int> expected;
};

class TagCountSuggestionTest : public ::testing::TestWithParam<Row> {};

TEST_P(TagCountSuggestionTest, CountsTheArtistsWordsTheNameStartsWith)
{
    const Row &row = GetParam();
    TempDir dir;
    const QString path = dir.write(QString::fromUtf8(row.name), MpegFixture::frames(20));
    if (row.id3v2Artist) {
        TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
        file.ID3v2Tag(true)->setArtist(TagLib::String(row.id3v2Artist, TagLib::String::UTF8));
        ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers));
    }
    if (row.id3v1Artist) {
        Id3v1Record tag;
        tag.artist = QString::fromUtf8(row.id3v1Artist);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(tag.render());
    }
    CountingAccess access;
    TagCountSuggestion suggestion(&access);
    EXPECT_EQ(suggestion.suggest(QFile::encodeName(path), FormatWorkingName(QString::fromUtf8(row.name))), row.expected)
        << row.what;
    // The tag at the head is read only where its header is.
    if (!row.id3v2Artist) {
        EXPECT_EQ(access.bytesRead, Id3v2Artist::HeaderSize + Id3v1Record::Size) << row.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TagCountSuggestionTest,
    ::testing::Values(Row{"ID3v1 artist after the naming mode's cleaning", "the_owls-blue sky.mp3", "The Owls", nullptr, 2},
                      Row{"ID3v1 artist the name does not start with", "blue sky - the owls.mp3", "The Owls", nullptr,
                          std::nullopt},
                      Row{"only the first word matches", "the birds - blue sky.mp3", "The Owls", nullptr, std::nullopt},
                      Row{"no tag", "the_owls-blue sky.mp3", nullptr, nullptr, std::nullopt},
                      Row{"ID3v2 artist", "guns n' roses - yesterdays.mp3", nullptr, "Guns N' Roses", 3},
                      Row{"ID3v2 artist in other letters than Latin-1", "\xce\xb1\xce\xb2 \xce\xb3 - song.mp3", nullptr,
                          "\xce\x91\xce\x92 \xce\x93", 2},
                      Row{"ID3v1 artist when the ID3v2 one does not match", "the_owls-blue sky.mp3", "The Owls",
                          "Owls, The", 2}));

} // namespace
