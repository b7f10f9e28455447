// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "MpegFixture.h"
#include "TempDir.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct CliRun
{
    int status = -1;
    QString out, err;
};

CliRun cli(const QStringList &args, const QString &workDir = {})
{
    QProcess p;
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(MARLUNE_CLI), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Id3v1Record tagOf(const TempDir &dir, const QString &name)
{
    return Id3v1Record::parse(dir.read(name).right(Id3v1Record::Size));
}

TEST(GenresCommand, ListsTheTableInOrder)
{
    const CliRun r = cli({QStringLiteral("genres")});
    EXPECT_EQ(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 148);
    EXPECT_EQ(lines.first(), QStringLiteral("123 Acapella"));
    EXPECT_EQ(lines.at(17), QStringLiteral("0 Blues"));
    EXPECT_EQ(lines.last(), QStringLiteral("28 Vocal"));
}

TEST(TagCommand, SetThenShowJson)
{
    TempDir dir;
    const QByteArray audio = MpegFixture::frames(6);
    const QString a = dir.write(QStringLiteral("a.mp3"), audio);
    const QString b = dir.write(QStringLiteral("b.mp3"), audio);
    const QString comment30 = QStringLiteral("123456789012345678901234567890");
    CliRun r = cli({QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--title"), QString::fromUtf8("Déjà 東"),
                 QStringLiteral("--year"), QStringLiteral("2024"), QStringLiteral("--genre"), QStringLiteral("synthPOP"),
                 QStringLiteral("--comment"), comment30 + QStringLiteral("xx"), a, b});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("a.mp3")).left(audio.size()), audio);

    r = cli({QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--artist"), QStringLiteral("Only"), b});
    ASSERT_EQ(r.status, 0);
    r = cli({QStringLiteral("tag"), QStringLiteral("show"), QStringLiteral("--json"), a, b});
    ASSERT_EQ(r.status, 0);
    const QJsonArray all = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_EQ(all.size(), 2);
    for (const QJsonValue &v : all) {
        const QJsonObject o = v.toObject();
        EXPECT_TRUE(o.value(QStringLiteral("hasTag")).toBool());
        EXPECT_EQ(o.value(QStringLiteral("title")).toString(), QString::fromUtf8("Déjà ?"));
        EXPECT_EQ(o.value(QStringLiteral("year")).toInt(), 2024);
        EXPECT_EQ(o.value(QStringLiteral("genre")).toInt(), 147);
        EXPECT_EQ(o.value(QStringLiteral("genreName")).toString(), QStringLiteral("SynthPop"));
        EXPECT_EQ(o.value(QStringLiteral("comment")).toString(), comment30);
        EXPECT_TRUE(o.value(QStringLiteral("track")).isNull());
    }
    EXPECT_EQ(all.at(0).toObject().value(QStringLiteral("artist")).toString(), QString());
    EXPECT_EQ(all.at(1).toObject().value(QStringLiteral("artist")).toString(), QStringLiteral("Only"));
}

TEST(TagCommand, ShowTextWithTrackAndUntaggedFiles)
{
    TempDir dir;
    Id3v1Record t;
    t.title = QStringLiteral("Song");
    t.track = 9;
    t.genre = 17;
    dir.write(QStringLiteral("t.mp3"), MpegFixture::frames(2) + t.render());
    dir.write(QStringLiteral("empty.mp3"));
    const CliRun r = cli({QStringLiteral("tag"), QStringLiteral("show"), QStringLiteral("t.mp3"), QStringLiteral("empty.mp3")}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("file: t.mp3\nhasTag: yes\ntitle: Song\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("genre: 17 Rock\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("track: 9\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("file: empty.mp3\nhasTag: no\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("genre: 255\n")));
    EXPECT_EQ(r.out.count(QStringLiteral("track:")), 1);
}

// A tag's text cannot forge lines or send escape sequences; --json keeps it exact.
TEST(TagCommand, ShowEscapesControlCharactersInPlainOutputOnly)
{
    TempDir dir;
    Id3v1Record t;
    t.title = QStringLiteral("a\nartist: forged");
    t.artist = QStringLiteral("\x1b[2J\tx\x7f");
    t.album = QStringLiteral("C:\\dir\r") + QChar(0x9b);
    t.comment = QString::fromUtf8("déjà vu");
    dir.write(QStringLiteral("c.mp3"), MpegFixture::frames(2) + t.render());
    CliRun r = cli({QStringLiteral("tag"), QStringLiteral("show"), QStringLiteral("c.mp3")}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("title: a\\nartist: forged\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("artist: \\x1b[2J\\tx\\x7f\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("album: C:\\\\dir\\x0d\\x9b\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("comment: déjà vu\n"))) << r.out.toStdString();

    r = cli({QStringLiteral("tag"), QStringLiteral("show"), QStringLiteral("--json"), QStringLiteral("c.mp3")}, dir.path());
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).array().at(0).toObject();
    EXPECT_EQ(o.value(QStringLiteral("title")).toString(), t.title);
    EXPECT_EQ(o.value(QStringLiteral("album")).toString(), t.album);
}

// Under a file-size limit the appended tag does not fit: the program lives on, says so,
// and the file keeps every byte it had.
TEST(TagCommand, WriteOverTheFileSizeLimitFailsCleanly)
{
    TempDir dir;
    const QByteArray audio = MpegFixture::frames(2);
    dir.write(QStringLiteral("song.mp3"), audio);
    QProcess p;
    p.setWorkingDirectory(dir.path());
    // Room for a few bytes of the tag, so the first write goes half through.
    const rlim_t limit = rlim_t(audio.size() + 10);
    p.setChildProcessModifier([limit] {
        rlimit rl{};
        getrlimit(RLIMIT_FSIZE, &rl);
        rl.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &rl);
    });
    p.start(QStringLiteral(MARLUNE_CLI), {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--title"),
                                          QStringLiteral("T"), QStringLiteral("song.mp3")});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitStatus(), QProcess::NormalExit) << "marlune-cli was ended by a signal";
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), QStringLiteral("marlune-cli: Disk full\nsong.mp3\n"));
    EXPECT_EQ(dir.read(QStringLiteral("song.mp3")), audio);
}

// A bad file is reported with the editor's text and the rest are still done.
TEST(TagCommand, FailuresGoOnWithTheNextFile)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("(Dir) Name.mp3")));
    dir.write(QStringLiteral("(The Owls) Blue Sky.mp3"), MpegFixture::frames(3, true));
    const QStringList files = {QStringLiteral("gone.mp3"), QStringLiteral("(Dir) Name.mp3"), QStringLiteral("(The Owls) Blue Sky.mp3")};
    CliRun r = cli(QStringList{QStringLiteral("tag"), QStringLiteral("auto")} + files, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("marlune-cli: File not found\ngone.mp3\nmarlune-cli: Path/File access error\n(Dir) Name.mp3\n"));
    const Id3v1Record t = tagOf(dir, QStringLiteral("(The Owls) Blue Sky.mp3"));
    EXPECT_EQ(t.artist, QStringLiteral("The Owls"));
    EXPECT_EQ(t.title, QStringLiteral("Blue Sky"));
    EXPECT_EQ(t.comment, QStringLiteral("ID3 Tag by Marlune"));
    EXPECT_EQ(dir.read(QStringLiteral("(The Owls) Blue Sky.mp3")).size(), 3 * MpegFixture::FrameSize + 128);

    r = cli(QStringList{QStringLiteral("tag"), QStringLiteral("show")} + files, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("file: (The Owls) Blue Sky.mp3\n")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("gone.mp3"))));
}

// Sets the immutable flag on a file for its lifetime, which refuses writing even to
// root; ok() is false where the file system has no such flag or we may not set it.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY))
    {
        int set = 0;
        m_ok = m_fd >= 0 && ::ioctl(m_fd, FS_IOC_GETFLAGS, &m_flags) == 0
               && ::ioctl(m_fd, FS_IOC_SETFLAGS, &(set = m_flags | FS_IMMUTABLE_FL)) == 0;
    }
    ~ImmutableFile()
    {
        if (m_ok)
            ::ioctl(m_fd, FS_IOC_SETFLAGS, &m_flags);
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ImmutableFile(const ImmutableFile &) = delete;
    ImmutableFile &operator=(const ImmutableFile &) = delete;
    bool ok() const { return m_ok; }

private:
    int m_fd;
    int m_flags = 0;
    bool m_ok = false;
};

// A file that refuses writing is still read; writing it reports the refusal and the
// next file is written.
TEST(TagCommand, FileThatRefusesWritingIsReadAndReported)
{
    TempDir dir;
    const QByteArray before = MpegFixture::frames(2, true);
    dir.write(QStringLiteral("(A) Locked.mp3"), before);
    dir.write(QStringLiteral("(A) Open.mp3"), before);
    ImmutableFile locked(dir.filePath(QStringLiteral("(A) Locked.mp3")));
    if (!locked.ok())
        GTEST_SKIP() << "cannot make a file immutable here";
    const QStringList files = {QStringLiteral("(A) Locked.mp3"), QStringLiteral("(A) Open.mp3")};
    for (const QStringList &command : {QStringList{QStringLiteral("auto")},
                                       QStringList{QStringLiteral("set"), QStringLiteral("--album"), QStringLiteral("L")}}) {
        const CliRun r = cli(QStringList{QStringLiteral("tag")} + command + files, dir.path());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, QStringLiteral("marlune-cli: Permission denied\n(A) Locked.mp3\n"));
        EXPECT_EQ(dir.read(QStringLiteral("(A) Locked.mp3")), before);
    }
    EXPECT_EQ(tagOf(dir, QStringLiteral("(A) Open.mp3")).album, QStringLiteral("L"));
    const CliRun show = cli({QStringLiteral("tag"), QStringLiteral("show"), files.first()}, dir.path());
    EXPECT_EQ(show.status, 0);
    EXPECT_TRUE(show.out.startsWith(QStringLiteral("file: (A) Locked.mp3\n"))) << show.out.toStdString();
}

TEST(TagCommand, UsageErrorsTouchNothing)
{
    TempDir dir;
    const QString f = dir.write(QStringLiteral("f.mp3"), "audio");
    const QStringList bad[] = {
        {QStringLiteral("tag")},
        {QStringLiteral("tag"), QStringLiteral("dance")},
        {QStringLiteral("tag"), QStringLiteral("show")},
        {QStringLiteral("tag"), QStringLiteral("auto")},
        {QStringLiteral("tag"), QStringLiteral("set"), f},
        {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--title"), QStringLiteral("x")},
        {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--year"), QStringLiteral("19x9"), f},
        {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--year"), QStringLiteral("12345"), f},
        {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--genre"), QStringLiteral("Polka Punk"), f},
        {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--genre"), QStringLiteral("200"), f},
        {QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--mood"), QStringLiteral("x"), f},
        {QStringLiteral("tag"), QStringLiteral("set"), f, QStringLiteral("--title")},
        {QStringLiteral("genres"), QStringLiteral("extra")},
    };
    for (const QStringList &args : bad) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(dir.read(QStringLiteral("f.mp3")), QByteArray("audio"));
}

TEST(TagCommand, GenreByNumberOrBlank)
{
    TempDir dir;
    const QString f = dir.write(QStringLiteral("f.mp3"), "audio");
    struct Row { const char *genre; quint8 written; };
    for (const Row &row : {Row{"17", 17}, Row{"", 255}, Row{"0", 0}, Row{"255", 255}, Row{"acid", 34}}) {
        const CliRun r = cli({QStringLiteral("tag"), QStringLiteral("set"), QStringLiteral("--genre"), QString::fromLatin1(row.genre), f});
        EXPECT_EQ(r.status, 0) << row.genre;
        EXPECT_EQ(tagOf(dir, QStringLiteral("f.mp3")).genre, row.written) << row.genre;
    }
}

} // namespace
