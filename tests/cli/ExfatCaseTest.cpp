// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RawProcess.h"
#include "SafeRename.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

// A real exFAT file system, mounted through exfat-fuse on a loop device made from an
// image file. That driver gives each spelling of one entry its own inode number, so
// only the folder listing can tell that "Song.mp3" is "song.mp3". Everything made is
// unmounted and detached again, whatever happens in between.
class ExfatMount
{
public:
    ExfatMount()
    {
        if (!(m_problem = missingTools()).isEmpty())
            return;
        const QString image = m_scratch.filePath(QStringLiteral("disk.img"));
        m_folder = m_scratch.filePath(QStringLiteral("mnt"));
        QDir().mkpath(m_folder);
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(8 * 1024 * 1024)) {
            m_problem = QStringLiteral("cannot make the image file");
            return;
        }
        file.close();
        QString output;
        if (!tool(QStringLiteral("mkfs.exfat"), {image}, &output)) {
            m_problem = QStringLiteral("mkfs.exfat failed: ") + output;
            return;
        }
        // "-o loop" is not understood by the FUSE helper: the loop device is made here.
        if (!tool(QStringLiteral("losetup"), {QStringLiteral("-f"), QStringLiteral("--show"), image}, &output)) {
            m_problem = QStringLiteral("no loop device: ") + output;
            return;
        }
        m_device = output.trimmed();
        if (!tool(QStringLiteral("mount.exfat-fuse"), {m_device, m_folder}, &output)) {
            m_problem = QStringLiteral("mount.exfat-fuse failed: ") + output;
            return;
        }
        m_mounted = true;
    }

    ~ExfatMount()
    {
        if (m_mounted && !tool(QStringLiteral("umount"), {m_folder}))
            tool(QStringLiteral("umount"), {QStringLiteral("-l"), m_folder});
        if (!m_device.isEmpty())
            tool(QStringLiteral("losetup"), {QStringLiteral("-d"), m_device});
    }

    bool mounted() const { return m_mounted; }
    QString problem() const { return m_problem; }
    QString folder() const { return m_folder; }

private:
    static QString toolPath(const QString &program)
    {
        const QString path = QStandardPaths::findExecutable(program);
        return path.isEmpty() ? QStandardPaths::findExecutable(program, {QStringLiteral("/sbin"), QStringLiteral("/usr/sbin")})
                              : path;
    }

    static QString missingTools()
    {
        if (::geteuid() != 0)
            return QStringLiteral("mounting needs root");
        for (const char *device : {"/dev/fuse", "/dev/loop-control"}) {
            if (!QFile::exists(QString::fromLatin1(device)))
                return QStringLiteral("%1 is missing").arg(QLatin1String(device));
        }
        for (const char *program : {"mkfs.exfat", "mount.exfat-fuse", "losetup", "umount"}) {
            if (toolPath(QString::fromLatin1(program)).isEmpty())
                return QStringLiteral("%1 is not installed").arg(QLatin1String(program));
        }
        return {};
    }

    static bool tool(const QString &program, const QStringList &args, QString *output = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(toolPath(program), args);
        const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (output)
            *output = QString::fromLocal8Bit(p.readAll());
        return ok;
    }

    QTemporaryDir m_scratch;
    QString m_folder;
    QString m_device;
    QString m_problem;
    bool m_mounted = false;
};

class ExfatCase : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_mount = std::make_unique<ExfatMount>(); }
    static void TearDownTestSuite() { s_mount.reset(); }

    void SetUp() override
    {
        if (!s_mount->mounted())
            GTEST_SKIP() << "no exFAT through FUSE here: " << s_mount->problem().toStdString();
        m_folder = s_mount->folder() + QStringLiteral("/") + QString::fromLatin1(
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(QDir().mkpath(m_folder));
    }
    void TearDown() override
    {
        if (!m_folder.isEmpty())
            QDir(m_folder).removeRecursively();
    }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(m_folder + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(m_folder + u'/' + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList entries() const { return QDir(m_folder).entryList(QDir::Files, QDir::Name); }

    QString m_folder;
    static std::unique_ptr<ExfatMount> s_mount;
};

std::unique_ptr<ExfatMount> ExfatCase::s_mount;

TEST_F(ExfatCase, TheDriverReallyGivesEachSpellingItsOwnInode)
{
    write(QStringLiteral("song.mp3"), "S");
    // The premise of the other tests: the inodes cannot tell the spellings apart.
    EXPECT_FALSE(FileSystem::native().sameFile((m_folder + QStringLiteral("/song.mp3")).toUtf8(),
                                               (m_folder + QStringLiteral("/Song.mp3")).toUtf8()));
}

TEST_F(ExfatCase, SafeRenameChangesOnlyTheLetterCaseAndStillRefusesOtherFiles)
{
    write(QStringLiteral("song.mp3"), "S");
    write(QStringLiteral("other.mp3"), "O");
    const QString folder = m_folder + u'/';
    EXPECT_TRUE(SafeRename(folder, QStringLiteral("song.mp3"), QStringLiteral("SONG.mp3")).ok());
    EXPECT_TRUE(SafeRename(folder, QStringLiteral("SONG.mp3"), QStringLiteral("Song.mp3")).ok());
    EXPECT_EQ(SafeRename(folder, QStringLiteral("Song.mp3"), QStringLiteral("OTHER.mp3")).failure,
              RenameFailure::TargetExists);
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Song.mp3"), QStringLiteral("other.mp3")}));
    EXPECT_EQ(read(QStringLiteral("Song.mp3")), "S");
    EXPECT_EQ(read(QStringLiteral("other.mp3")), "O");
}

TEST_F(ExfatCase, CommandLineRenamesCaseOnlyChangesOnTheStick)
{
    write(QStringLiteral("abc def.mp3"), "A");
    write(QString::fromUtf8("élan vital.mp3"), "E");
    RawProcess cli{MARLUNE_CLI_PATH, m_folder.toUtf8(), {}};
    const RawProcess::Result r = cli.run({"rename", "--mode", "capitalize", "abc def.mp3", "\xc3\xa9lan vital.mp3"});
    EXPECT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.err, QByteArray());
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Abc Def.mp3"), QString::fromUtf8("Élan Vital.mp3")}));
    EXPECT_EQ(read(QStringLiteral("Abc Def.mp3")), "A");

    // The old spellings answer for the new ones here, yet they are free to take back.
    const RawProcess::Result undo = cli.run({"undo"});
    EXPECT_EQ(undo.status, 0) << undo.err.constData();
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("abc def.mp3"), QString::fromUtf8("élan vital.mp3")}));
}

// The folder ignores case: another file's other spelling is taken, the file's own is not.
TEST_F(ExfatCase, DryRunFindsNamesTakenInAnotherLetterCase)
{
    write(QStringLiteral("a_b.mp3"), "A");
    write(QStringLiteral("(a) b.MP3"), "B");
    write(QStringLiteral("(c) d.mp3"), "C");
    RawProcess cli{MARLUNE_CLI_PATH, m_folder.toUtf8(), {}};
    const RawProcess::Result r = cli.run({"rename", "-n", "--words", "1", "a_b.mp3", "(c) d.mp3"});
    EXPECT_EQ(r.out, "a_b.mp3 -> (A) B.mp3\n(c) d.mp3 -> (C) D.mp3\n");
    EXPECT_EQ(r.err, "marlune-cli: (A) B.mp3: already exists\n");
}

} // namespace
