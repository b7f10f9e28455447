// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "RawProcess.h"
#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Two files whose names show alike: a Windows-1252 "é" and a real U+FFFD in UTF-8.
const QByteArray kLegacy("(a) song\xe9.mp3");
const QByteArray kTwin("(a) song\xef\xbf\xbd.mp3");

QByteArray taggedAudio(const QString &title)
{
    Id3v1Record tag;
    tag.title = title;
    return QByteArray(400, '\x55') + tag.render();
}

class LegacyNamesCli : public ::testing::Test
{
protected:
    LegacyNamesCli() { cli.workingFolder = dir.nativePath(); }
    RawProcess::Result run(const QList<QByteArray> &args) { return cli.run(args); }

    TempDir dir;
    RawProcess cli{MARLUNE_CLI_PATH, {}, {}};
};

struct TwinCase
{
    const char *what;
    QList<QByteArray> args; // the file given is appended
    QByteArray expectOut;   // part of standard output
    bool changesGiven;      // the given file's name or bytes change
};

class TwinFiles : public LegacyNamesCli, public ::testing::WithParamInterface<TwinCase> {};

// Each command is run on each of the two; the other one keeps every byte and its name.
TEST_P(TwinFiles, EveryCommandTouchesOnlyTheFileItWasGiven)
{
    for (const bool onLegacy : {true, false}) {
        TempDir here;
        cli.workingFolder = here.nativePath();
        const QByteArray given = onLegacy ? kLegacy : kTwin;
        const QByteArray other = onLegacy ? kTwin : kLegacy;
        here.writeNative(given, taggedAudio(QStringLiteral("given")));
        here.writeNative(other, taggedAudio(QStringLiteral("other")));
        const RawProcess::Result r = run(GetParam().args + QList<QByteArray>{given});
        EXPECT_EQ(r.status, 0) << GetParam().what << ": " << r.err.constData();
        EXPECT_TRUE(r.out.contains(GetParam().expectOut)) << GetParam().what << ": " << r.out.constData();
        EXPECT_EQ(here.readNative(other), taggedAudio(QStringLiteral("other"))) << GetParam().what;
        EXPECT_EQ(here.readNative(given) != taggedAudio(QStringLiteral("given")), GetParam().changesGiven)
            << GetParam().what;
        EXPECT_EQ(here.nativeEntries().size(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TwinFiles,
    ::testing::Values(TwinCase{"show", {"tag", "show"}, "title: given\n", false},
                      TwinCase{"set", {"tag", "set", "--album", "Kept apart"}, "", true},
                      TwinCase{"auto", {"tag", "auto"}, "", true},
                      TwinCase{"rename", {"rename", "--mode", "capitalize"}, " -> (A) Song", true}));

TEST_F(LegacyNamesCli, LegacyEncodingComesFromTheOptionOrTheEnvironment)
{
    dir.writeNative("\xb1la.mp3");
    const QByteArray latin2Out = "\xc4\x85la.mp3 -> \xc4\x84la.mp3\n"; // ąla -> Ąla
    EXPECT_EQ(run({"--legacy-encoding", "iso-8859-2", "rename", "--dry-run", "--mode", "capitalize", "\xb1la.mp3"}).out,
              latin2Out);
    EXPECT_EQ(run({"rename", "--legacy-encoding=iso-8859-2", "--dry-run", "--mode", "capitalize", "\xb1la.mp3"}).out,
              latin2Out);
    cli.environment = {"MARLUNE_LEGACY_ENCODING=iso-8859-2"};
    EXPECT_EQ(run({"rename", "--dry-run", "--mode", "capitalize", "\xb1la.mp3"}).out, latin2Out);
    EXPECT_EQ(run({"--legacy-encoding", "windows-1252", "rename", "--dry-run", "--mode", "capitalize", "\xb1la.mp3"}).out,
              "\xc2\xb1la.mp3 -> \xc2\xb1La.mp3\n"); // "±" is no letter: the next one is capitalised
}

TEST_F(LegacyNamesCli, UnknownEncodingIsAUsageErrorAndTouchesNothing)
{
    dir.writeNative("song\xe9.mp3", "x");
    const struct
    {
        QList<QByteArray> env;
        QList<QByteArray> args;
        const char *message;
    } cases[] = {
        {{}, {"--legacy-encoding", "klingon", "rename", "--mode", "capitalize", "song\xe9.mp3"},
         "--legacy-encoding: unknown encoding 'klingon'"},
        {{}, {"tag", "set", "--title", "x", "song\xe9.mp3", "--legacy-encoding"}, "--legacy-encoding needs"},
        {{"MARLUNE_LEGACY_ENCODING=klingon"}, {"tag", "set", "--title", "x", "song\xe9.mp3"},
         "MARLUNE_LEGACY_ENCODING: unknown encoding 'klingon'"},
    };
    for (const auto &c : cases) {
        cli.environment = c.env;
        const RawProcess::Result r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.constData();
        EXPECT_EQ(dir.readNative("song\xe9.mp3"), "x");
    }
}

// Hidden names are left out of the window's lists only: one named on purpose is taken.
TEST_F(LegacyNamesCli, OnlyRegularFilesAreRenamedHiddenOnesIncluded)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.mp3")));
    ASSERT_EQ(::mkfifo((dir.nativePath() + "/pipe.mp3").constData(), 0644), 0);
    dir.writeNative("a b.mp3");
    dir.writeNative(".x_y.mp3");
    const RawProcess::Result r =
        run({"rename", "--mode", "remove-underscore", "folder.mp3", "pipe.mp3", "a b.mp3", ".x_y.mp3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("folder.mp3: is a folder, not a file")) << r.err.constData();
    EXPECT_TRUE(r.err.contains("pipe.mp3: is not a regular file")) << r.err.constData();
    EXPECT_EQ(dir.nativeEntries(), (QList<QByteArray>{".x y.mp3", "a b.mp3", "folder.mp3", "pipe.mp3"}));
}

} // namespace
