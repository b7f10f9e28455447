// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "MpegFixture.h"
#include "TempDir.h"
#include "Veltro.h"

#include <gtest/gtest.h>
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>

namespace {

QString latin1(const char *utf8) { return QString::fromUtf8(utf8); }

// One tag as the user gives it, and what must come back from any reader.
struct RoundTrip
{
    const char *name;
    Id3v1Record given;
    Id3v1Record expected;
};

Id3v1Record tag(const QString &title, const QString &artist, const QString &album, qint16 year,
                const QString &comment, quint8 genre, quint8 track = 0)
{
    Id3v1Record r;
    r.title = title;
    r.artist = artist;
    r.album = album;
    r.year = year;
    r.comment = comment;
    r.genre = genre;
    r.track = track;
    return r;
}

const QString k30 = QStringLiteral("123456789012345678901234567890");

std::vector<RoundTrip> roundTrips()
{
    std::vector<RoundTrip> rows = {
        {"plain", tag("Blue Sky", "The Owls", "Nests", 1999, "fine", 17), {}},
        {"empty", tag("", "", "", 0, "", 255), {}},
        {"full30CharFieldsV10", tag(k30, k30, k30, 9999, k30, 147), {}},
        {"trackV11", tag("T", "A", "L", 2001, k30.left(28), 0, 7), {}},
        {"trackV11CutsComment", tag("T", "A", "L", 2001, k30, 1, 255),
         tag("T", "A", "L", 2001, k30.left(28), 1, 255)},
        {"latin1", tag(latin1("Ça va ÿ"), latin1("Björk Guðmundsdóttir"), latin1("Æther ß ñ"), 1984,
                       latin1("«déjà vu» ¿qué?"), 80), {}},
        {"unmappable", tag(latin1("Мир"), latin1("東京 A"), latin1("x😀y"), 2010, latin1("€uro"), 13),
         tag("???", "?? A", "x?y", 2010, "?uro", 13)},
        {"loneSurrogates", tag(QChar(0xD83D) + QStringLiteral("a"), QStringLiteral("b") + QChar(0xDE00), "", 0, "", 0),
         tag("?a", "b?", "", 0, "", 0)},
        {"tooLong", tag(k30 + "XYZ", k30 + "!", "a", 5, k30 + "1234", 255),
         tag(k30, k30, "a", 5, k30, 255)},
        {"year0", tag("t", "a", "", 0, "c", 0), {}},
    };
    for (RoundTrip &row : rows) {
        if (row.expected == Id3v1Record{})
            row.expected = row.given;
    }
    return rows;
}

class Id3v1RoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(Id3v1RoundTrip, OurReaderGetsBackWhatWasWritten)
{
    const RoundTrip &row = GetParam();
    const QByteArray bytes = row.given.render();
    ASSERT_EQ(bytes.size(), Id3v1Record::Size);
    EXPECT_EQ(Id3v1Record::parse(bytes), row.expected);
}

TEST_P(Id3v1RoundTrip, TagLibReadsWhatVeltroWrote)
{
    const RoundTrip &row = GetParam();
    TempDir dir;
    const QString path = dir.write(QStringLiteral("song.mp3"), MpegFixture::frames(12));
    Veltro v;
    v.setTag_file(path);
    v.setTag_title(row.given.title);
    v.setTag_artist(row.given.artist);
    v.setTag_album(row.given.album);
    v.setTag_year(row.given.year);
    v.setTag_comment(row.given.comment);
    v.setTag_genre(row.given.genre);
    v.setTag_track(row.given.track);
    ASSERT_TRUE(v.SaveTag().ok());

    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    TagLib::ID3v1::Tag *t = file.ID3v1Tag();
    ASSERT_NE(t, nullptr);
    const Id3v1Record &e = row.expected;
    EXPECT_EQ(QString::fromStdWString(t->title().toWString()), e.title);
    EXPECT_EQ(QString::fromStdWString(t->artist().toWString()), e.artist);
    EXPECT_EQ(QString::fromStdWString(t->album().toWString()), e.album);
    EXPECT_EQ(QString::fromStdWString(t->comment().toWString()), e.comment);
    EXPECT_EQ(t->year(), unsigned(e.year));
    EXPECT_EQ(t->track(), unsigned(e.track));
    EXPECT_EQ(t->genreNumber(), unsigned(e.genre));
}

INSTANTIATE_TEST_SUITE_P(Tags, Id3v1RoundTrip, ::testing::ValuesIn(roundTrips()),
                         [](const auto &info) { return std::string(info.param.name); });

QByteArray recordWith(int at, const QByteArray &field)
{
    QByteArray r = tag("", "", "", 0, "", 255).render();
    r.replace(at, field.size(), field);
    return r;
}

// Tags written by other programs: padding, garbage and odd years.
TEST(Id3v1Parse, ForeignFields)
{
    struct Row { int at; QByteArray field; QString title; qint16 year; QString comment; quint8 track; };
    const Row rows[] = {
        {3, QByteArray("  Lead   ") + QByteArray(21, ' '), QStringLiteral("  Lead"), 0, {}, 0},
        {3, QByteArray("Cut\0garbage", 11), QStringLiteral("Cut"), 0, {}, 0},
        {93, "1999", {}, 1999, {}, 0},
        {93, "19x9", {}, 19, {}, 0},
        {93, " 999", {}, 0, {}, 0},
        {93, "abcd", {}, 0, {}, 0},
        {97, QByteArray(28, 'c') + QByteArray("\0\x0c", 2), {}, 0, QString(28, QLatin1Char('c')), 12},
        {97, QByteArray(28, 'c') + QByteArray("\0\0", 2), {}, 0, QString(28, QLatin1Char('c')), 0},
        {97, QByteArray(29, 'c') + QByteArray("\x0c", 1), {}, 0, QString(29, QLatin1Char('c')) + QChar(12), 0},
    };
    for (const Row &row : rows) {
        const Id3v1Record r = Id3v1Record::parse(recordWith(row.at, row.field));
        EXPECT_EQ(r.title, row.title) << row.field.constData();
        EXPECT_EQ(r.year, row.year) << row.field.constData();
        EXPECT_EQ(r.comment, row.comment) << row.field.constData();
        EXPECT_EQ(r.track, row.track) << row.field.constData();
    }
}

TEST(Id3v1Render, YearZeroIsFourZeroBytesAndTrackRoundTrips)
{
    EXPECT_EQ(tag("", "", "", 0, "", 1).render().mid(93, 4), QByteArray(4, '\0'));
    EXPECT_EQ(tag("", "", "", 9999, "", 1).render().mid(93, 4), QByteArray("9999"));
    EXPECT_EQ(tag("", "", "", 42, "", 1).render().mid(93, 4), QByteArray("0042"));
    EXPECT_EQ(tag("", "", "", 7, "", 1).render().mid(93, 4), QByteArray("0007"));
    EXPECT_EQ(tag("", "", "", -5, "", 1).render().mid(93, 4), QByteArray(4, '\0'));
    const QByteArray v11 = tag("", "", "", 0, "c", 1, 3).render();
    EXPECT_EQ(v11.at(125), '\0');
    EXPECT_EQ(v11.at(126), '\x03');
}

} // namespace
