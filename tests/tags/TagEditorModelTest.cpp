// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyTagFileAccess.h"
#include "GenreTable.h"
#include "MpegFixture.h"
#include "TagEditorModel.h"
#include "TagErrors.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

using Model = TagEditorModel;

QByteArray tagBytes(const QString &title, quint8 genre, const QString &comment = {}, qint16 year = 0)
{
    Id3v1Record r;
    r.title = title;
    r.genre = genre;
    r.comment = comment;
    r.year = year;
    return r.render();
}

Id3v1Record tagOf(const TempDir &dir, const QString &name)
{
    return Id3v1Record::parse(dir.read(name).right(Id3v1Record::Size));
}

TEST(TagEditorModel, FieldLengthsAndYearDigitsOnly)
{
    const QString long40(40, QLatin1Char('a'));
    for (int index : {Model::Title, Model::Artist, Model::Album, Model::Comment})
        EXPECT_EQ(Model::fitField(index, long40).size(), 30);
    struct Row { const char *given; const char *kept; };
    for (const Row &row : {Row{"1999", "1999"}, Row{"19a9", "199"}, Row{"2O24", "224"}, Row{"123456", "1234"},
                           Row{"abc", ""}, Row{" 7 ", "7"}, Row{"٣٤", ""}})
        EXPECT_EQ(Model::fitField(Model::Year, QString::fromUtf8(row.given)), QLatin1String(row.kept)) << row.given;
}

TEST(TagEditorModel, KeysInFields)
{
    using A = Model::KeyAction;
    struct Row { int index; int code; A action; };
    const Row rows[] = {
        {Model::Year, '5', A::Insert}, {Model::Year, 8, A::Insert},   {Model::Year, 'x', A::Discard},
        {Model::Year, 22, A::Discard}, {Model::Year, 13, A::Save},    {Model::Year, 27, A::Cancel},
        {Model::Title, 'x', A::Insert}, {Model::Comment, 22, A::Insert}, {Model::Artist, 13, A::Save},
        {Model::Album, 27, A::Cancel},
    };
    for (const Row &row : rows)
        EXPECT_EQ(Model::keyAction(row.index, row.code), row.action) << row.index << ' ' << row.code;
}

TEST(TagEditorModel, DisplayInfoFillsFieldsAndSaveWritesThemBack)
{
    TempDir dir;
    const QByteArray audio = MpegFixture::frames(5);
    const QString path = dir.write(QStringLiteral("a.mp3"), audio + tagBytes(QStringLiteral("T"), 17, QStringLiteral("c"), 1999));
    Model m;
    m.DisplayInfo(path);
    EXPECT_EQ(m.txtFile(), path);
    EXPECT_EQ(m.txtTag(Model::Title), QStringLiteral("T"));
    EXPECT_EQ(m.txtTag(Model::Year), QStringLiteral("1999"));
    EXPECT_EQ(GenreTable::listEntries().at(m.genreIndex()), QStringLiteral("Rock"));
    m.setTxtTag(Model::Album, QString::fromUtf8("Ωmega album that is far too long to fit"));
    m.setTxtTag(Model::Year, QString());
    ASSERT_TRUE(m.WriteTag().ok());
    const Id3v1Record r = tagOf(dir, QStringLiteral("a.mp3"));
    EXPECT_EQ(r.album, QStringLiteral("?mega album that is far too lo"));
    EXPECT_EQ(r.year, 0);
    EXPECT_EQ(r.genre, 17);
    EXPECT_EQ(r.comment, QStringLiteral("c"));
    EXPECT_EQ(dir.read(QStringLiteral("a.mp3")).left(audio.size()), audio);
    m.DisplayInfo(path);
    EXPECT_EQ(m.txtTag(Model::Year), QStringLiteral("0"));
}

// A number without a row shows the blank entry and is not carried from the
// previous file; it goes back unchanged unless the user picks another entry.
TEST(TagEditorModel, GenreWithoutRowIsKeptNotCarried)
{
    TempDir dir;
    const QString rock = dir.write(QStringLiteral("rock.mp3"), tagBytes(QStringLiteral("r"), 17));
    const QString odd = dir.write(QStringLiteral("odd.mp3"), tagBytes(QStringLiteral("o"), 200));
    const QString none = dir.write(QStringLiteral("none.mp3"), "no tag here");
    Model m;
    struct Step { QString path; int choose; quint8 written; };
    const Step steps[] = {
        {rock, -2, 17},
        {odd, -2, 200},
        {none, -2, 255},
        {odd, GenreTable::listIndexForNumber(0), 0},
        {rock, GenreTable::BlankIndex, 255},
        {odd, GenreTable::BlankIndex, 255},
        {odd, -1, 255},
    };
    for (const Step &s : steps) {
        m.DisplayInfo(s.path);
        if (s.path != rock) {
            EXPECT_EQ(m.genreIndex(), GenreTable::BlankIndex);
        }
        if (s.choose != -2)
            m.setGenreIndex(s.choose);
        ASSERT_TRUE(m.WriteTag().ok());
        const QString name = s.path.section(QLatin1Char('/'), -1);
        EXPECT_EQ(tagOf(dir, name).genre, s.written) << name.toStdString();
        if (s.path == odd)
            dir.write(name, tagBytes(QStringLiteral("o"), 200));
    }
}

// A file that refuses writing is shown all the same, loaded for writing or not.
TEST(TagEditorModel, FailedWriteGivesTheEditorsMessageAndKeepsFields)
{
    const QByteArray before = MpegFixture::frames(2) + tagBytes(QStringLiteral("shown"), 9);
    for (const Veltro::Intent intent : {Veltro::Intent::Read, Veltro::Intent::Write}) {
        TempDir dir;
        const QString path = dir.write(QStringLiteral("ro.mp3"), before);
        FaultyTagFileAccess access;
        access.failAt(FaultyTagFileAccess::Step::OpenForWrite, TagErrors::make(TagErrors::PermissionDenied));
        Model m(&access);
        m.DisplayInfo(path, intent);
        EXPECT_EQ(m.txtTag(Model::Title), QStringLiteral("shown"));
        m.setTxtTag(Model::Title, QStringLiteral("typed"));
        const ErrorInfo e = m.WriteTag();
        EXPECT_EQ(e.number, 70);
        EXPECT_EQ(m.writeFailureText(e), QStringLiteral("Permission denied\r\n") + path);
        EXPECT_EQ(m.txtTag(Model::Title), QStringLiteral("typed"));
        EXPECT_EQ(dir.read(QStringLiteral("ro.mp3")), before);
    }
}

// One pass of automatic tagging per file: name rule, default comment, the rest kept.
TEST(TagEditorModel, AutoTagFile)
{
    struct Row { const char *name; QByteArray before; const char *title; const char *artist; const char *comment; };
    const QString longArtist = QStringLiteral("(%1) T.mp3").arg(QString(35, QLatin1Char('A')));
    const Row rows[] = {
        {"(Blue Cats) Night Train.mp3", tagBytes(QStringLiteral("x"), 9), "Night Train", "Blue Cats", "ID3 Tag by Marlune"},
        {"(Blue Cats) Kept.mp3", tagBytes(QStringLiteral("x"), 9, QStringLiteral("mine")), "Kept", "Blue Cats", "mine"},
        {"(Blue Cats) Blank.mp3", tagBytes(QStringLiteral("x"), 9, QStringLiteral("   ")), "Blank", "Blue Cats", "ID3 Tag by Marlune"},
        {"(Blue Cats) Tab.mp3", tagBytes(QStringLiteral("x"), 9, QStringLiteral("\t")), "Tab", "Blue Cats", "\t"},
        {"(New) Untagged.mp3", MpegFixture::frames(3), "Untagged", "New", "ID3 Tag by Marlune"},
        {"Night Train.mp3", tagBytes(QStringLiteral("x"), 9, QStringLiteral("c")), "x", "", "c"},
        {"(Open Night.mp3", tagBytes(QStringLiteral("x"), 9), "x", "", ""},
    };
    TempDir dir;
    Model m;
    for (const Row &row : rows) {
        const QString name = QString::fromUtf8(row.name);
        const QString path = dir.write(name, row.before);
        ASSERT_TRUE(m.autoTagFile(path).ok());
        const Id3v1Record r = tagOf(dir, name);
        EXPECT_EQ(r.title, QString::fromUtf8(row.title)) << row.name;
        EXPECT_EQ(r.artist, QString::fromUtf8(row.artist)) << row.name;
        EXPECT_EQ(r.comment, QString::fromUtf8(row.comment)) << row.name;
        EXPECT_EQ(r.genre, row.before.startsWith("TAG") ? 9 : 255) << row.name;
        if (row.before.startsWith("TAG") && !name.startsWith(QLatin1Char('('))) {
            EXPECT_EQ(dir.read(name), row.before) << "a name off the rule writes the tag back unchanged";
        }
    }
    const QString path = dir.write(longArtist, {});
    ASSERT_TRUE(m.autoTagFile(path).ok());
    EXPECT_EQ(tagOf(dir, longArtist).artist, QString(30, QLatin1Char('A')));
}

} // namespace
