// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v2Artist.h"
#include "MpegFixture.h"
#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

namespace {

QByteArray syncsafe(quint32 n)
{
    QByteArray out;
    for (const int shift : {21, 14, 7, 0})
        out.append(char(n >> shift & 0x7F));
    return out;
}

QByteArray plain(quint32 n, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char(n >> (8 * i) & 0xFF));
    return out;
}

QByteArray tag(int version, char flags, const QByteArray &body)
{
    return QByteArray("ID3") + char(version) + '\0' + flags + syncsafe(quint32(body.size())) + body;
}

QByteArray frame(int version, const QByteArray &id, const QByteArray &data, char format = 0)
{
    if (version == 2)
        return id + plain(quint32(data.size()), 3) + data;
    return id + (version == 3 ? plain(quint32(data.size()), 4) : syncsafe(quint32(data.size()))) + '\0' + format + data;
}

const QByteArray kTitle = QByteArray("\0Blue Sky", 9);

// Tags as TagLib writes them, a picture with 0xFF bytes and a title before the
// artist: what TagLib reads back, we read.
TEST(Id3v2ArtistTest, ReadsWhatTagLibWrites)
{
    using TagLib::String;
    struct Case
    {
        int version;
        String::Type encoding;
        TagLib::StringList values;
    };
    const String greek("\xce\x91\xce\x92 \xce\x93", String::UTF8);
    const std::vector<Case> cases{
        {3, String::Latin1, {String("Mot\xf6rhead", String::Latin1)}}, {3, String::UTF16, {greek}},
        {4, String::UTF16BE, {greek}}, {4, String::UTF8, {greek}},
        {4, String::UTF16, TagLib::StringList(greek).append("The Owls")}, // two values
        {4, String::Latin1, TagLib::StringList("The Owls").append("Guests")},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const QByteArray path = QFile::encodeName(dir.write(QStringLiteral("song.mp3"), MpegFixture::frames(4)));
        {
            TagLib::MPEG::File file(path.constData(), false);
            TagLib::ID3v2::Tag *tag = file.ID3v2Tag(true);
            auto *picture = new TagLib::ID3v2::AttachedPictureFrame;
            picture->setPicture(TagLib::ByteVector("\xFF\xD8\xFF\xE0\xFF\x00\xFF", 7));
            tag->addFrame(picture);
            tag->setTitle("Blue Sky");
            auto *artist = new TagLib::ID3v2::TextIdentificationFrame("TPE1", c.encoding);
            artist->setText(c.values);
            tag->addFrame(artist);
            ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers,
                                  c.version == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4));
        }
        TagLib::MPEG::File file(path.constData(), false);
        const QString expected = QString::fromStdString(file.ID3v2Tag()->artist().to8Bit(true));
        QFile bytes(QFile::decodeName(path));
        ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
        const QByteArray head = bytes.readAll();
        ASSERT_TRUE(Id3v2Artist::tagSize(head));
        EXPECT_EQ(Id3v2Artist::parse(head.first(*Id3v2Artist::tagSize(head))), expected)
            << c.version << " " << int(c.encoding) << " " << expected.toStdString();
    }
}

TEST(Id3v2ArtistTest, ReadsTheFormsTagLibDoesNotWrite)
{
    const QByteArray latin1 = QByteArray("\0The Owls", 9);
    const QByteArray withFF = QByteArray("\0Mot\xFFrhead", 11); // "Motÿrhead"
    const QByteArray v23ExtendedHeader = plain(6, 4) + QByteArray(6, '\0');
    const QByteArray v24ExtendedHeader = syncsafe(6) + QByteArray("\x01\x00", 2);
    struct Row
    {
        const char *what;
        QByteArray tag;
        QString expected;
    };
    const std::vector<Row> rows{
        {"2.2, three-letter frames", tag(2, 0, frame(2, "TT2", kTitle) + frame(2, "TP1", latin1)), "The Owls"},
        {"2.2 compressed as a whole", tag(2, 0x40, frame(2, "TP1", latin1)), ""},
        {"2.3 unsynchronised as a whole",
         tag(3, char(0x80), frame(3, "TIT2", kTitle) + QByteArray("TPE1\0\0\0\x0A\0\0\0Mot\xFF\0rhead", 21)),
         QStringLiteral("Mot\u00FFrhead")},
        {"2.4 frame unsynchronised by itself", tag(4, 0, QByteArray("TPE1\0\0\0\x0B\0\x02\0Mot\xFF\0rhead", 21)),
         QStringLiteral("Mot\u00FFrhead")},
        {"2.3 extended header", tag(3, 0x40, v23ExtendedHeader + frame(3, "TPE1", latin1)), "The Owls"},
        {"2.4 extended header", tag(4, 0x40, v24ExtendedHeader + frame(4, "TPE1", latin1)), "The Owls"},
        {"2.4 grouped, with a data length", tag(4, 0, frame(4, "TPE1", "\x07" + syncsafe(9) + latin1, 0x41)),
         "The Owls"},
        {"2.4 size written as a plain number",
         tag(4, 0, frame(4, "TIT2", QByteArray(200, 'x')).replace(4, 4, plain(200, 4)) + frame(4, "TPE1", latin1)),
         "The Owls"},
        {"UTF-16 without a byte order mark", tag(3, 0, frame(3, "TPE1", QByteArray("\x01\0A\0B", 5))), ""},
        {"encrypted", tag(3, 0, frame(3, "TPE1", "\x80" + latin1, 0x40)), ""},
        {"compressed", tag(4, 0, frame(4, "TPE1", syncsafe(9) + latin1, 0x09)), ""},
        {"frame longer than the tag", tag(3, 0, frame(3, "TPE1", latin1)).chopped(1), ""},
        {"artist behind the padding", tag(3, 0, QByteArray(20, '\0') + frame(3, "TPE1", latin1)), ""},
        {"unknown encoding", tag(3, 0, frame(3, "TPE1", "\x07The Owls")), ""},
        {"0xFF in Latin-1, not unsynchronised", tag(3, 0, frame(3, "TPE1", withFF)), QStringLiteral("Mot\u00FFrhead")},
    };
    for (const Row &row : rows)
        EXPECT_EQ(Id3v2Artist::parse(row.tag), row.expected) << row.what;
}

TEST(Id3v2ArtistTest, TellsTheTagsSizeFromItsHeader)
{
    EXPECT_EQ(Id3v2Artist::tagSize(tag(3, 0, QByteArray(300, '\0'))), 310);
    EXPECT_EQ(Id3v2Artist::tagSize(tag(4, 0x10, QByteArray(300, '\0'))), 320); // with a footer
    EXPECT_EQ(Id3v2Artist::tagSize(tag(5, 0, {})), std::nullopt);
    EXPECT_EQ(Id3v2Artist::tagSize(QByteArray("ID3\x03", 4)), std::nullopt);
    EXPECT_EQ(Id3v2Artist::tagSize(QByteArray("TAG\x03\0\0\0\0\0\0", 10)), std::nullopt);
}

} // namespace
