// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "RawProcess.h"
#include "TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    QString out;
    QString err;
    int status = -1;
};

class RenameCommandTest : public ::testing::Test
{
protected:
    CliRun run(const QStringList &args, const QByteArray &input = {})
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(MARLUNE_CLI_PATH), args);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(20000));
        return {QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError()),
                p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1};
    }
    CliRun rename(const QStringList &args, const QByteArray &input = {})
    {
        return run(QStringList{QStringLiteral("rename")} + args, input);
    }

    TempDir dir;
};

TEST_F(RenameCommandTest, DryRunWithWordsShowsTheProposalAndTouchesNothing)
{
    dir.write(QStringLiteral("the_owls-blue sky.MP3"));
    const CliRun r = rename({QStringLiteral("--dry-run"), QStringLiteral("--words"), QStringLiteral("2"),
                          QStringLiteral("the_owls-blue sky.MP3")});
    EXPECT_EQ(r.out, QStringLiteral("the_owls-blue sky.MP3 -> (The Owls) Blue Sky.mp3\n"));
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.entries(), QStringList{QStringLiteral("the_owls-blue sky.MP3")});
}

TEST_F(RenameCommandTest, AsksEachCountOnStandardErrorAndReadsOneLineEach)
{
    dir.write(QStringLiteral("a b c.mp3"));
    dir.write(QStringLiteral("d e.mp3"));
    dir.write(QStringLiteral("f g.mp3"));
    const CliRun r = rename({QStringLiteral("a b c.mp3"), dir.filePath(QStringLiteral("d e.mp3")),
                          QStringLiteral("f g.mp3")},
                         "2 words\nnone\n");
    EXPECT_EQ(r.out, QStringLiteral("a b c.mp3 -> (A B) C.mp3\nd e.mp3 -> Empty\nf g.mp3 -> Empty\n"));
    EXPECT_EQ(r.err.count(QStringLiteral("Enter the number of words in artists/groups name: \n")), 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("\nd e.mp3\nCurrent file name: (D E.mp3\n"))) << r.err.toStdString();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.entries(), (QStringList{QStringLiteral("(A B) C.mp3"), QStringLiteral("d e.mp3"), QStringLiteral("f g.mp3")}));
}

TEST_F(RenameCommandTest, EachModeRenamesInArgumentOrder)
{
    const struct
    {
        const char *mode;
        const char *from;
        const char *to;
    } cases[] = {{"capitalize", "abc def.MP3", "Abc Def.mp3"},
                 {"remove-numbers", "01 - song 2.mp3", "- song .mp3"},
                 {"remove-underscore", "my_song_name.mp3", "my song name.mp3"},
                 {"format", "x_y.mp3", "(X) Y.mp3"}};
    for (const auto &c : cases) {
        dir.write(QString::fromUtf8(c.from));
        const QStringList words = QByteArray(c.mode) == "format" ? QStringList{QStringLiteral("--words=1")} : QStringList{};
        const CliRun r = rename(QStringList{QStringLiteral("--mode"), QString::fromUtf8(c.mode)} + words
                             + QStringList{QString::fromUtf8(c.from)});
        EXPECT_EQ(r.out, QStringLiteral("%1 -> %2\n").arg(QString::fromUtf8(c.from), QString::fromUtf8(c.to)));
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(dir.exists(QString::fromUtf8(c.to))) << c.to;
    }
}

TEST_F(RenameCommandTest, FailuresAreReportedAndTheRestStillRenamed)
{
    dir.write(QStringLiteral("a b.mp3"), "a");
    dir.write(QStringLiteral("A B.mp3"), "taken");
    dir.write(QStringLiteral("c d.mp3"), "c");
    const CliRun r = rename({QStringLiteral("--mode"), QStringLiteral("capitalize"), QStringLiteral("a b.mp3"),
                          QStringLiteral("missing.mp3"), QStringLiteral("c d.mp3")});
    EXPECT_EQ(r.out, QStringLiteral("a b.mp3 -> A B.mp3\nc d.mp3 -> C D.mp3\n"));
    EXPECT_TRUE(r.err.contains(QStringLiteral("missing.mp3: no such file")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Error renaming a b.mp3.\nThe new desired filename already exists.\n")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(dir.read(QStringLiteral("A B.mp3")), "taken");
    EXPECT_EQ(dir.read(QStringLiteral("a b.mp3")), "a");
    EXPECT_EQ(dir.read(QStringLiteral("C D.mp3")), "c");
}

TEST_F(RenameCommandTest, EndOfInputCancelsAndEmptyEntriesAreNotFailures)
{
    dir.write(QStringLiteral("a b.mp3"));
    const CliRun r = rename({QStringLiteral("a b.mp3")});
    EXPECT_EQ(r.out, QStringLiteral("a b.mp3 -> Empty\n"));
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(dir.exists(QStringLiteral("a b.mp3")));
}

TEST_F(RenameCommandTest, MoreThanTwentyFilesAreAllHandled)
{
    QStringList args{QStringLiteral("--mode=capitalize")};
    for (int i = 0; i < 30; ++i)
        args << QFileInfo(dir.write(QStringLiteral("song %1.mp3").arg(i))).fileName();
    const CliRun r = rename(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.count(u'\n'), 30);
    EXPECT_TRUE(dir.exists(QStringLiteral("Song 29.mp3")));
}

TEST_F(RenameCommandTest, WordsAutoAsksOnlyForFilesWhoseTagSuggestsNothing)
{
    Id3v1Record tag;
    tag.artist = QStringLiteral("The Owls");
    dir.write(QStringLiteral("the_owls-blue sky.mp3"), QByteArray(400, 'x') + tag.render());
    dir.write(QStringLiteral("x y.mp3"));
    const CliRun r = rename({QStringLiteral("-n"), QStringLiteral("--words"), QStringLiteral("auto"),
                             QStringLiteral("the_owls-blue sky.mp3"), QStringLiteral("x y.mp3")});
    EXPECT_EQ(r.out, QStringLiteral("the_owls-blue sky.mp3 -> (The Owls) Blue Sky.mp3\nx y.mp3 -> Empty\n"));
    EXPECT_EQ(r.err, QStringLiteral("Enter the number of words in artists/groups name: \nx y.mp3\nCurrent file name: (X Y.mp3\n"));
    EXPECT_EQ(r.status, 0);
}

TEST_F(RenameCommandTest, DryRunReportsTakenNamesOnStandardErrorOnly)
{
    for (const char *name : {"a_b.mp3", "a-b.mp3", "c_d.mp3", "(C) D.mp3", "e_f.mp3"})
        dir.write(QString::fromUtf8(name));
    const CliRun r = rename({QStringLiteral("-n"), QStringLiteral("--words=1"), QStringLiteral("a_b.mp3"),
                             QStringLiteral("a-b.mp3"), QStringLiteral("c_d.mp3"), QStringLiteral("e_f.mp3")});
    EXPECT_EQ(r.out, QStringLiteral("a_b.mp3 -> (A) B.mp3\na-b.mp3 -> (A) B.mp3\nc_d.mp3 -> (C) D.mp3\n"
                                    "e_f.mp3 -> (E) F.mp3\n"));
    EXPECT_EQ(r.err, QStringLiteral("marlune-cli: (A) B.mp3: also proposed for a-b.mp3\n"
                                    "marlune-cli: (A) B.mp3: also proposed for a_b.mp3\n"
                                    "marlune-cli: (C) D.mp3: already exists\n"));
    EXPECT_EQ(r.status, 0);
}

// Every FILE in order, also those that are missing or whose name is not UTF-8.
TEST_F(RenameCommandTest, JsonGivesEachFilesProposalConflictAndOutcome)
{
    dir.write(QStringLiteral("a_b.mp3"));
    dir.write(QStringLiteral("(A) B.mp3"), "taken");
    dir.write(QStringLiteral("c_d.mp3"));
    const QByteArray legacy("\xe9_x.mp3");
    dir.writeNative(legacy);
    RawProcess cli{MARLUNE_CLI_PATH, dir.nativePath(), {}};

    for (const bool dryRun : {true, false}) {
        QList<QByteArray> args{"rename", "--json", "--words", "1", "a_b.mp3", "missing.mp3", "c_d.mp3", legacy};
        if (dryRun)
            args.insert(1, "--dry-run");
        const RawProcess::Result r = cli.run(args);
        QJsonParseError error;
        const QJsonArray rows = QJsonDocument::fromJson(r.out, &error).array();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
        QStringList seen;
        for (const QJsonValue &row : rows) {
            const QJsonObject o = row.toObject();
            const QJsonValue outcome = o.value(QStringLiteral("outcome"));
            seen << QStringList{o.value(QStringLiteral("path")).toString(), o.value(QStringLiteral("name")).toString(),
                                o.value(QStringLiteral("proposal")).toString(QStringLiteral("null")),
                                o.value(QStringLiteral("conflict")).toString(QStringLiteral("null")),
                                o.value(QStringLiteral("path_bytes")).toString(),
                                outcome.isObject() ? QString::number(outcome.toObject().value(QStringLiteral("number")).toInt())
                                                   : outcome.toString()}
                        .join(u'|');
        }
        const QString renamed = dryRun ? QString() : QStringLiteral("renamed");
        const QStringList expected{
            QStringLiteral("a_b.mp3|a_b.mp3|(A) B.mp3|already exists||") + (dryRun ? QString() : QStringLiteral("58")),
            QStringLiteral("missing.mp3|missing.mp3|null|no such file||") + (dryRun ? QString() : QStringLiteral("skipped")),
            QStringLiteral("c_d.mp3|c_d.mp3|(C) D.mp3|null||") + renamed,
            QStringLiteral("\u00e9_x.mp3|\u00e9_x.mp3|(\u00c9) X.mp3|null|e95f782e6d7033|") + renamed};
        EXPECT_EQ(seen.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
        EXPECT_EQ(r.status, 1);
    }
    EXPECT_EQ(dir.read(QStringLiteral("(A) B.mp3")), "taken");
}

struct Usage
{
    std::vector<const char *> args;
    const char *error;
};

class UsageErrors : public RenameCommandTest, public ::testing::WithParamInterface<Usage> {};

TEST_P(UsageErrors, ExitWithTwoAndTheUsage)
{
    QStringList args;
    for (const char *a : GetParam().args)
        args << QString::fromUtf8(a);
    const CliRun r = rename(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(GetParam().error))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: marlune-cli rename")));
    EXPECT_EQ(r.out, QString());
}

INSTANTIATE_TEST_SUITE_P(
    Args, UsageErrors,
    ::testing::Values(Usage{{}, "no FILE given"}, Usage{{"--mode", "upper", "a.mp3"}, "--mode needs"},
                      Usage{{"--mode"}, "--mode needs"}, Usage{{"--words", "0", "a.mp3"}, "--words needs"},
                      Usage{{"--words", "2.5", "a.mp3"}, "--words needs"}, Usage{{"--words", "40000", "a.mp3"}, "--words needs"},
                      Usage{{"--words"}, "--words needs"}, Usage{{"--bogus", "a.mp3"}, "unknown option '--bogus'"},
                      Usage{{"--mode", "capitalize", "--words", "2", "a.mp3"}, "--words only applies"},
                      Usage{{"--mode", "capitalize", "--words", "auto", "a.mp3"}, "--words only applies"}));

TEST_F(RenameCommandTest, HelpVersionAndDoubleDash)
{
    CliRun r = rename({QStringLiteral("--help")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: marlune-cli rename")));
    r = run({QStringLiteral("--version")});
    EXPECT_EQ(r.out, QStringLiteral("marlune-cli 1.0.85\n"));
    r = run({QStringLiteral("--help")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("rename")));
    dir.write(QStringLiteral("-x y.mp3"));
    r = rename({QStringLiteral("--dry-run"), QStringLiteral("--mode"), QStringLiteral("capitalize"), QStringLiteral("--"),
                QStringLiteral("-x y.mp3")});
    EXPECT_EQ(r.out, QStringLiteral("-x y.mp3 -> -X Y.mp3\n"));
    EXPECT_EQ(r.status, 0);
    r = run({QStringLiteral("frobnicate")});
    EXPECT_EQ(r.status, 2);
}

} // namespace
