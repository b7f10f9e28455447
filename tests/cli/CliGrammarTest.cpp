// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CliMain.h"
#include "Id3v1Record.h"
#include "TempDir.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

// marlune-cli run in-process: the same code as the binary, without a process per case.
CliRun cli(const QList<QByteArray> &args, const QString &input = {})
{
    CliRun r;
    QString in = input;
    QTextStream out(&r.out), err(&r.err), inStream(&in);
    r.status = runCli(args, out, err, inStream);
    out.flush();
    err.flush();
    return r;
}

QList<QByteArray> split(const char *line)
{
    QList<QByteArray> args;
    for (const QByteArray &arg : QByteArray(line).split(' '))
        if (!arg.isEmpty())
            args.append(arg);
    return args;
}

QByteArray taggedAudio(const QString &title)
{
    Id3v1Record tag;
    tag.title = title;
    return QByteArray(400, '\x55') + tag.render();
}

struct UsageCase
{
    const char *args;    // split at blanks; FILE stands for an existing file
    const char *problem; // part of the first error line
};

class GrammarErrors : public ::testing::TestWithParam<UsageCase> {};

// Every command refuses the same way: exit 2, nothing on standard output, one
// "marlune-cli: " line saying what was wrong, then the command's usage, and no file touched.
TEST_P(GrammarErrors, ExitTwoWithTheProblemAndTouchNothing)
{
    TempDir dir;
    const QByteArray file = dir.write(QStringLiteral("a_b.mp3"), taggedAudio(QStringLiteral("t"))).toUtf8();
    QList<QByteArray> args = split(GetParam().args);
    std::replace(args.begin(), args.end(), QByteArray("FILE"), file);
    const CliRun r = cli(args);
    EXPECT_EQ(r.status, 2) << GetParam().args;
    EXPECT_EQ(r.out, QString()) << GetParam().args;
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("marlune-cli: ") + QString::fromUtf8(GetParam().problem)))
        << GetParam().args << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("\n\nUsage: marlune-cli"))) << GetParam().args;
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("a_b.mp3")});
    EXPECT_EQ(dir.read(QStringLiteral("a_b.mp3")), taggedAudio(QStringLiteral("t")));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, GrammarErrors,
    ::testing::Values(UsageCase{"--bogus rename FILE", "unknown option '--bogus'"},
                      UsageCase{"-x", "unknown option '-x'"},
                      UsageCase{"", "no COMMAND given"},
                      UsageCase{"--legacy-encoding", "--legacy-encoding needs"},
                      UsageCase{"rename --mode=capitalize FILE --bogus", "unknown option '--bogus'"},
                      UsageCase{"rename FILE -nq", "unknown option '-q'"},
                      UsageCase{"rename --dry-run=yes FILE", "--dry-run takes no value"},
                      UsageCase{"rename --mode=capitalize --words 2 FILE", "--words only applies"},
                      UsageCase{"tag --bogus show FILE", "unknown option '--bogus'"},
                      UsageCase{"tag", "which of show, set, auto?"},
                      UsageCase{"tag list FILE", "unknown sub-command 'list'"},
                      UsageCase{"tag show --jsn FILE", "unknown option '--jsn'"},
                      UsageCase{"tag show", "no FILE given"},
                      UsageCase{"tag show --", "no FILE given"},
                      UsageCase{"tag set FILE --title", "--title needs a value"},
                      UsageCase{"tag set --titel=x FILE", "unknown option '--titel'"},
                      UsageCase{"tag set -n FILE", "set needs at least one of"},
                      UsageCase{"tag auto --dry-run", "no FILE given"},
                      UsageCase{"tag auto FILE --force", "unknown option '--force'"},
                      UsageCase{"genres --json", "unknown option '--json'"},
                      UsageCase{"genres extra", "genres takes no argument"}));

struct AnswerCase
{
    const char *args;
    const char *outStart;
};

class HelpAndVersion : public ::testing::TestWithParam<AnswerCase> {};

// -h/--help and -V/--version answer on standard output in every position before "--",
// for every command, even with a FILE around.
TEST_P(HelpAndVersion, AnswerOnStandardOutputAndExitZero)
{
    const CliRun r = cli(split(GetParam().args));
    EXPECT_EQ(r.status, 0) << GetParam().args << ": " << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QString::fromUtf8(GetParam().outStart))) << GetParam().args << ": " << r.out.toStdString();
    EXPECT_EQ(r.err, QString());
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, HelpAndVersion,
    ::testing::Values(AnswerCase{"-h", "Usage: marlune-cli [--legacy-encoding"},
                      AnswerCase{"-V", "marlune-cli 1."},
                      AnswerCase{"rename missing.mp3 -h", "Usage: marlune-cli rename"},
                      AnswerCase{"rename --version", "marlune-cli 1."},
                      AnswerCase{"tag -h", "Usage: marlune-cli tag show"},
                      AnswerCase{"tag show --help", "Usage: marlune-cli tag show"},
                      AnswerCase{"tag set --help", "Usage: marlune-cli tag set"},
                      AnswerCase{"tag auto x.mp3 -nh", "Usage: marlune-cli tag auto"},
                      AnswerCase{"tag set -V", "marlune-cli 1."},
                      AnswerCase{"genres --help", "Usage: marlune-cli genres"}));

TEST(CliGrammar, DoubleDashEndsOptionsAndValuesTakeBothForms)
{
    TempDir dir;
    const QByteArray song = dir.write(QStringLiteral("a.mp3"), taggedAudio(QStringLiteral("old"))).toUtf8();
    CliRun r = cli({"tag", "set", "--title=new", "--artist", "--x", "--", song});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    r = cli({"tag", "show", "--json", "--", song});
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"title\":\"new\""))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"artist\":\"--x\""))) << r.out.toStdString();
    r = cli({"--", "tag", "show", "--", "-V"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("marlune-cli: File not found\n-V\n"));
}

// --dry-run prints the tag each file would get and leaves every byte as it was.
TEST(CliGrammar, TagDryRunsShowTheTagToWriteAndWriteNothing)
{
    TempDir dir;
    const QByteArray song = dir.write(QStringLiteral("(The Owls) Blue Sky.mp3"), taggedAudio(QStringLiteral("old"))).toUtf8();
    const struct
    {
        QList<QByteArray> args;
        const char *expected;
    } cases[] = {
        {{"tag", "set", "-n", "--year", "99", "--genre", "rock", song}, "title: old\nartist: \nalbum: \nyear: 99\ngenre: 17 Rock\n"},
        {{"tag", "auto", "--dry-run", song}, "title: Blue Sky\nartist: The Owls\n"},
    };
    for (const auto &c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("file: ") + QString::fromUtf8(song) + u'\n')) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.expected))) << r.out.toStdString();
        EXPECT_EQ(dir.read(QStringLiteral("(The Owls) Blue Sky.mp3")), taggedAudio(QStringLiteral("old")));
    }
    const CliRun missing = cli({"tag", "auto", "-n", dir.filePath(QStringLiteral("gone.mp3")).toUtf8()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("marlune-cli: File not found\n"))) << missing.err.toStdString();
}

} // namespace
