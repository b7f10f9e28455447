// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyTagFileAccess.h"
#include "MpegFixture.h"
#include "TagErrors.h"
#include "TempDir.h"
#include "Veltro.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray oldTag()
{
    Id3v1Record r;
    r.title = QStringLiteral("Old");
    r.comment = QStringLiteral("keep");
    r.track = 4;
    r.genre = 17;
    return r.render();
}

// What a file holds before the first save, and how many of its bytes are not tag.
struct Shape
{
    const char *name;
    QByteArray bytes;
    qsizetype audioBytes;
};

std::vector<Shape> shapes()
{
    const QByteArray audio = MpegFixture::frames(10);
    const QByteArray tagged = MpegFixture::frames(10, true);
    return {
        {"empty", {}, 0},
        {"tenBytes", "0123456789", 10},
        {"shorterThanATag", QByteArray(127, 'x'), 127},
        {"tagOnly", oldTag(), 0},
        {"audio", audio, audio.size()},
        {"audioWithTag", audio + oldTag(), audio.size()},
        {"tagTextInsideAudio", tagged, tagged.size()},
        {"tagTextInsideAudioWithTag", tagged + oldTag(), tagged.size()},
        {"textFile", QByteArray("not music at all\n").repeated(20), 17 * 20},
        {"tagBytesNearEnd", audio + QByteArray("TAG") + QByteArray(100, 'z'), audio.size() + 103},
    };
}

class VeltroSave : public ::testing::TestWithParam<Shape> {};

constexpr Veltro::Intent kIntents[] = {Veltro::Intent::Read, Veltro::Intent::Write};

// Every save, first and second, leaves the audio byte for byte and puts one tag last,
// whether the file was opened again to save or kept open from the load.
TEST_P(VeltroSave, KeepsAudioAndWritesOneTag)
{
    const Shape &shape = GetParam();
    TempDir dir;
    const QString path = dir.write(QStringLiteral("x.mp3"), shape.bytes);
    const QByteArray audio = shape.bytes.left(shape.audioBytes);
    for (const char *title : {"First", "Second title", "Third"}) {
        Veltro v;
        v.setTag_file(path, title[0] == 'S' ? Veltro::Intent::Read : Veltro::Intent::Write);
        v.setTag_title(QString::fromLatin1(title));
        ASSERT_TRUE(v.SaveTag().ok());
        const QByteArray now = dir.read(QStringLiteral("x.mp3"));
        ASSERT_EQ(now.size(), audio.size() + Id3v1Record::Size);
        EXPECT_EQ(now.left(audio.size()), audio);
        Veltro again;
        again.setTag_file(path);
        EXPECT_TRUE(again.hasTag());
        EXPECT_EQ(again.tag_title(), QString::fromLatin1(title));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, VeltroSave, ::testing::ValuesIn(shapes()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Veltro, LoadKeepsTrackAndOtherFieldsOnSave)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("x.mp3"), MpegFixture::frames(3) + oldTag());
    Veltro v;
    v.setTag_file(path);
    EXPECT_EQ(v.tag_track(), 4);
    EXPECT_EQ(v.tag_genre(), 17);
    v.setTag_artist(QStringLiteral("New"));
    ASSERT_TRUE(v.SaveTag().ok());
    Veltro back;
    back.setTag_file(path);
    EXPECT_EQ(back.tag_track(), 4);
    EXPECT_EQ(back.tag_comment(), QStringLiteral("keep"));
    EXPECT_EQ(back.tag_artist(), QStringLiteral("New"));
    EXPECT_EQ(back.tag_title(), QStringLiteral("Old"));
}

// Files that cannot hold a tag: nothing is created, changed or reported as written.
TEST(Veltro, UnusablePathsGiveEmptyValuesAndAnError)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.mp3")));
    struct Row { QString path; int error; };
    const Row rows[] = {
        {dir.filePath(QStringLiteral("missing.mp3")), TagErrors::FileNotFound},
        {dir.filePath(QStringLiteral("nofolder/x.mp3")), TagErrors::FileNotFound},
        {dir.filePath(QStringLiteral("folder.mp3")), TagErrors::PathFileAccessError},
        {QString(), TagErrors::FileNotFound},
    };
    for (const Veltro::Intent intent : kIntents) {
        for (const Row &row : rows) {
            Veltro v;
            v.setTag_title(QStringLiteral("left over"));
            v.setTag_file(row.path, intent);
            EXPECT_FALSE(v.hasTag());
            EXPECT_EQ(v.tag_title(), QString());
            EXPECT_EQ(v.tag_year(), 0);
            EXPECT_EQ(v.tag_genre(), 255);
            EXPECT_TRUE(v.loadError()) << row.path.toStdString();
            v.setTag_title(QStringLiteral("new"));
            const ErrorInfo e = v.SaveTag();
            EXPECT_EQ(e.number, row.error) << row.path.toStdString() << int(intent);
            EXPECT_FALSE(e.description.isEmpty());
        }
    }
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("folder.mp3")});
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.mp3"))).isDir());
}

// A load for writing opens the file once, read-write; a file that refuses writing is
// still read once more, read-only, and its SaveTag gives the refusal. A later save
// without a new load opens the file again, as the held descriptor is gone.
TEST(Veltro, LoadForWritingOpensOnce)
{
    using Mode = TagFileAccess::Mode;
    using Step = FaultyTagFileAccess::Step;
    struct Row { const char *name; bool exists; Step step; int readOpens; int error; };
    const Row rows[] = {
        {"writable", true, Step::None, 0, 0},
        {"readOnly", true, Step::OpenForWrite, 1, TagErrors::PermissionDenied},
        {"missing", false, Step::None, 0, TagErrors::FileNotFound},
    };
    for (const Row &row : rows) {
        TempDir dir;
        const QString path = row.exists ? dir.write(QStringLiteral("x.mp3"), MpegFixture::frames(2) + oldTag())
                                        : dir.filePath(QStringLiteral("x.mp3"));
        FaultyTagFileAccess access;
        access.failAt(row.step, TagErrors::make(TagErrors::PermissionDenied));
        Veltro v(&access);
        v.setTag_file(path, Veltro::Intent::Write);
        EXPECT_EQ(v.tag_title(), row.exists ? QStringLiteral("Old") : QString()) << row.name;
        v.setTag_title(QStringLiteral("New"));
        EXPECT_EQ(v.SaveTag().number, row.error) << row.name;
        EXPECT_EQ(access.opens(Mode::ReadWrite), 1) << row.name;
        EXPECT_EQ(access.opens(Mode::Read), row.readOpens) << row.name;
        EXPECT_EQ(v.SaveTag().number, row.error) << row.name;
        EXPECT_EQ(access.opens(Mode::ReadWrite), 2) << row.name;
    }
}

// Failures in the middle of a save leave the file exactly as it was.
TEST(Veltro, FailedSaveLeavesFileAsItWas)
{
    using Step = FaultyTagFileAccess::Step;
    struct Row { const char *name; QByteArray before; Step step; TagErrors::Number error; int partial; };
    const QByteArray audio = MpegFixture::frames(4);
    const Row rows[] = {
        {"readOnly", audio + oldTag(), Step::OpenForWrite, TagErrors::PermissionDenied, 0},
        {"diskFullOnAppend", audio, Step::Write, TagErrors::DiskFull, 60},
        {"diskFullOnAppendNothingWritten", audio, Step::Write, TagErrors::DiskFull, 0},
        {"ioErrorOverTag", audio + oldTag(), Step::Write, TagErrors::DeviceIoError, 50},
        {"emptyFileDiskFull", {}, Step::Write, TagErrors::DiskFull, 127},
    };
    for (const Veltro::Intent intent : kIntents) {
        for (const Row &row : rows) {
            TempDir dir;
            const QString path = dir.write(QStringLiteral("x.mp3"), row.before);
            FaultyTagFileAccess access;
            access.failAt(row.step, TagErrors::make(row.error), row.partial);
            Veltro v(&access);
            v.setTag_file(path, intent);
            v.setTag_title(QStringLiteral("never written"));
            const ErrorInfo e = v.SaveTag();
            EXPECT_EQ(e.number, int(row.error)) << row.name << int(intent);
            EXPECT_EQ(dir.read(QStringLiteral("x.mp3")), row.before) << row.name << int(intent);
        }
    }
}

TEST(TagErrors, ErrnoMapsToTheClassicNumbers)
{
    EXPECT_EQ(TagErrors::fromErrno(ENOENT).description, QStringLiteral("File not found"));
    EXPECT_EQ(TagErrors::fromErrno(EACCES).description, QStringLiteral("Permission denied"));
    EXPECT_EQ(TagErrors::fromErrno(EROFS).number, 70);
    EXPECT_EQ(TagErrors::fromErrno(ENOSPC).description, QStringLiteral("Disk full"));
    EXPECT_EQ(TagErrors::fromErrno(EIO).description, QStringLiteral("Device I/O error"));
    EXPECT_EQ(TagErrors::fromErrno(EBUSY).description, QStringLiteral("Path/File access error"));
}

} // namespace
