// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FaultyFileSystem.h"
#include "NameNormaliser.h"
#include "RenamePass.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <QDir>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString kAlreadyExists = QStringLiteral("Error renaming %1.\r\nThe new desired filename already exists.");
const QString kInUse =
    QStringLiteral("Error renaming %1.\r\nThis file cannot be renamed since it's currently in use by windows.");

// The main window as the pass sees it: a folder list whose selection the test sets, and
// a record of what the pass asked the window to show.
class FakeHost : public RenameHost
{
public:
    QStringList selected;
    QString folder;
    NamingMode mode = NamingMode::Format;
    CommandLine cmd;
    QString captions = QStringLiteral("Preview");
    bool enabled = true;
    int refreshes = 0;
    QStringList shown;
    QList<NativeName> nativeSelected; // when set, the selection by its bytes

    QStringList selectedFileNames() const override { return selected; }
    QList<NativeName> selectedFiles() const override
    {
        return nativeSelected.isEmpty() ? RenameHost::selectedFiles() : nativeSelected;
    }
    QString currentFolder() const override { return folder; }
    NamingMode namingMode() const override { return mode; }
    CommandLine commandLine() const override { return cmd; }
    void setButtonCaptions(const QString &caption) override { captions = caption; }
    void EnableControls(bool on) override { enabled = on; }
    void refreshFileList() override { ++refreshes; }
    void showPreviewEntries(const QStringList &texts) override { shown = texts; }
};

class RenamePassTest : public ::testing::Test
{
protected:
    RenamePassTest() { host.folder = files.path(); }

    void select(const QStringList &names)
    {
        host.selected = names;
        for (const QString &n : names)
            if (!files.exists(n))
                files.write(n, n.toUtf8());
    }
    void selectAllEntries()
    {
        for (int i = 0; i < pass.entries().size(); ++i)
            pass.setSelected(i, true);
    }
    QByteArray store() const { return app.read(QStringLiteral("renamer.dat")); }
    bool storeExists() const { return app.exists(QStringLiteral("renamer.dat")); }
    void expectBrowsing()
    {
        EXPECT_TRUE(pass.lstFiles().isEmpty());
        EXPECT_TRUE(host.shown.isEmpty());
        EXPECT_EQ(host.captions, QStringLiteral("Preview"));
        EXPECT_TRUE(host.enabled);
        EXPECT_FALSE(storeExists());
    }

    TempDir files, app;
    FakeHost host;
    ScriptedDialogs dialogs;
    FaultyFileSystem fs;
    RenamePass pass{host, dialogs, AppFolder(app.path()), fs};
};

// The prompt offers the tag's count, else the previous usable answer, else 1; what the
// user types is what counts.
TEST_F(RenamePassTest, PromptOffersTheSuggestionThenThePreviousAnswer)
{
    class OneTaggedFile : public CountSuggestion
    {
    public:
        std::optional<int> suggest(const QByteArray &path, const QString &) override
        {
            return path.endsWith("/c d.mp3") ? std::optional(3) : std::nullopt;
        }
    } tags;
    pass.setCountSuggestion(&tags);
    select({QStringLiteral("a b.mp3"), QStringLiteral("b c.mp3"), QStringLiteral("c d.mp3"), QStringLiteral("d e.mp3"),
            QStringLiteral("e f.mp3")});
    for (const char *typed : {"x", "2", "4", "", "5"})
        dialogs.answer(QString::fromUtf8(typed));
    pass.DoIt();
    QStringList offered;
    for (const ScriptedDialogs::Prompt &p : dialogs.prompts())
        offered << p.defaultText;
    EXPECT_EQ(offered, (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4"),
                                    QStringLiteral("4")}));
    EXPECT_EQ(store(), "2\r\n4\r\n5\r\n");
}

TEST_F(RenamePassTest, PreviewAsksStoresAndShowsThenRenameAppliesAndReturnsToBrowsing)
{
    select({QStringLiteral("the_owls-blue sky.MP3"), QStringLiteral("b_c d.mp3")});
    dialogs.answer(QStringLiteral("2"));
    dialogs.answer(QStringLiteral("1 word"));
    pass.DoIt();

    ASSERT_EQ(dialogs.prompts().size(), 2);
    EXPECT_EQ(dialogs.prompts()[0].prompt,
              QStringLiteral("Enter the number of words in artists/groups name: \nthe_owls-blue sky.MP3\r\n"
                             "Current file name: (The Owls Blue Sky.mp3"));
    EXPECT_EQ(dialogs.prompts()[0].title, QStringLiteral("User Input Required"));
    EXPECT_EQ(dialogs.prompts()[0].defaultText, QStringLiteral("1"));
    const QStringList expected{QStringLiteral("(The Owls) Blue Sky.mp3"), QStringLiteral("(B) C D.mp3")};
    EXPECT_EQ(pass.lstFiles(), expected);
    EXPECT_EQ(host.shown, expected);
    EXPECT_EQ(pass.sDirs(), QStringList(2, files.path() + u'/'));
    EXPECT_EQ(pass.sNames(), host.selected);
    EXPECT_TRUE(pass.bPreview());
    EXPECT_EQ(host.captions, QStringLiteral("Rename"));
    EXPECT_FALSE(host.enabled);
    EXPECT_EQ(store(), "2\r\n1\r\n");

    selectAllEntries();
    pass.DoIt();
    EXPECT_FALSE(pass.bPreview());
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(files.entries(), (QStringList{QStringLiteral("(B) C D.mp3"), QStringLiteral("(The Owls) Blue Sky.mp3")}));
    EXPECT_EQ(files.read(QStringLiteral("(B) C D.mp3")), "b_c d.mp3");
    EXPECT_EQ(host.refreshes, 1);
    expectBrowsing();
}

// Another program renaming or undoing holds the journal: nothing is renamed, the user
// is told, and the preview stays for another try.
TEST_F(RenamePassTest, AJournalHeldElsewhereRenamesNothingAndKeepsThePreview)
{
    select({QStringLiteral("b_c d.mp3")});
    dialogs.answer(QStringLiteral("1"));
    pass.DoIt();
    selectAllEntries();
    RenameJournal other(RenameJournal::folderIn(AppFolder(app.path()).dataFolder()));
    ASSERT_EQ(other.lock(), QString());
    pass.DoIt();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Another Marlune is renaming or undoing; try again when it has finished.")});
    EXPECT_EQ(files.entries(), QStringList{QStringLiteral("b_c d.mp3")});
    EXPECT_TRUE(pass.bPreview());
    EXPECT_EQ(host.captions, QStringLiteral("Rename"));

    other.unlock();
    pass.DoIt();
    EXPECT_EQ(files.entries(), QStringList{QStringLiteral("(B) C D.mp3")});
    expectBrowsing();
}

TEST_F(RenamePassTest, PreviewWithNothingSelectedStaysBrowsing)
{
    pass.DoIt();
    EXPECT_TRUE(pass.lstFiles().isEmpty());
    EXPECT_EQ(host.captions, QStringLiteral("Preview"));
    EXPECT_TRUE(host.enabled);
    EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(RenamePassTest, EmptyAndUnselectedEntriesAreSkippedAndLaterEntriesKeepTheirOwnCount)
{
    select({QStringLiteral("a b c.mp3"), QStringLiteral("d e f.mp3"), QStringLiteral("g h i.mp3"),
            QStringLiteral("j k l.mp3")});
    for (const char *answer : {"1", "", "abc", "2"})
        dialogs.answer(QString::fromLatin1(answer));
    pass.DoIt();
    EXPECT_EQ(pass.lstFiles(), (QStringList{QStringLiteral("(A) B C.mp3"), QStringLiteral("Empty"),
                                            QStringLiteral("Empty"), QStringLiteral("(J K) L.mp3")}));
    EXPECT_EQ(store(), "1\r\n2\r\n");
    selectAllEntries();
    pass.setSelected(0, false);
    pass.DoIt();
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(files.entries(), (QStringList{QStringLiteral("(J K) L.mp3"), QStringLiteral("a b c.mp3"),
                                            QStringLiteral("d e f.mp3"), QStringLiteral("g h i.mp3")}));
}

TEST_F(RenamePassTest, ExistingTargetKeepsBothFilesShowsTheMessageAndTheRestGoOn)
{
    select({QStringLiteral("x y.mp3"), QStringLiteral("z w.mp3")});
    files.write(QStringLiteral("(X) Y.mp3"), "already here");
    dialogs.setFallback([](const auto &) { return QStringLiteral("1"); });
    pass.DoIt();
    selectAllEntries();
    pass.DoIt();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, kAlreadyExists.arg(QStringLiteral("x y.mp3")));
    EXPECT_EQ(dialogs.messages()[0].caption, applicationTitle());
    EXPECT_EQ(dialogs.messages()[0].icon, Dialogs::Icon::None);
    EXPECT_EQ(files.read(QStringLiteral("(X) Y.mp3")), "already here");
    EXPECT_EQ(files.read(QStringLiteral("x y.mp3")), "x y.mp3");
    EXPECT_TRUE(files.exists(QStringLiteral("(Z) W.mp3")));
    EXPECT_EQ(pass.lastOutcome().failed, 1);
    EXPECT_EQ(pass.lastOutcome().renamed, 1);
    expectBrowsing();
}

TEST_F(RenamePassTest, FileRemovedOrRenamedBehindOurBackGivesTheGenericMessage)
{
    select({QStringLiteral("gone.mp3"), QStringLiteral("moved.mp3"), QStringLiteral("kept.mp3")});
    host.mode = NamingMode::Capitalize;
    pass.DoIt();
    QFile::remove(files.filePath(QStringLiteral("gone.mp3")));
    QFile::rename(files.filePath(QStringLiteral("moved.mp3")), files.filePath(QStringLiteral("elsewhere.mp3")));
    selectAllEntries();
    pass.DoIt();
    const QString noSuchFile = QStringLiteral("There was an error renaming the file: \r\n%1 No such file or directory").arg(ENOENT);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{noSuchFile, noSuchFile}));
    EXPECT_EQ(files.entries(), (QStringList{QStringLiteral("Kept.mp3"), QStringLiteral("elsewhere.mp3")}));
}

struct StoreEdit
{
    const char *name;
    std::optional<QByteArray> contents; // nullopt: deleted
    const char *message;
};

class StoreChangedBehindOurBack : public RenamePassTest, public ::testing::WithParamInterface<StoreEdit> {};

TEST_P(StoreChangedBehindOurBack, NothingIsRenamedThatDiffersFromThePreview)
{
    select({QStringLiteral("a b c.mp3"), QStringLiteral("d e f.mp3")});
    dialogs.answer(QStringLiteral("1"));
    dialogs.answer(QStringLiteral("2"));
    pass.DoIt();
    if (GetParam().contents)
        app.write(QStringLiteral("renamer.dat"), *GetParam().contents);
    else
        QFile::remove(app.filePath(QStringLiteral("renamer.dat")));
    selectAllEntries();
    pass.DoIt();
    ASSERT_FALSE(dialogs.messages().isEmpty());
    EXPECT_EQ(dialogs.messages().last().text,
              QStringLiteral("There was an error renaming the file: \r\n") + QString::fromUtf8(GetParam().message));
    EXPECT_FALSE(files.exists(QStringLiteral("(D E) F.mp3")));
    EXPECT_TRUE(files.exists(QStringLiteral("d e f.mp3")));
    expectBrowsing();
}

INSTANTIATE_TEST_SUITE_P(
    Edits, StoreChangedBehindOurBack,
    ::testing::Values(StoreEdit{"deleted", std::nullopt, "53 File not found"},
                      StoreEdit{"shortened", QByteArray("1\r\n"), "62 Input past end of file"},
                      StoreEdit{"garbled", QByteArray("1\r\nx\r\n"), "13 Type mismatch"},
                      StoreEdit{"changed", QByteArray("1\r\n1\r\n"),
                                "5 The stored word count no longer matches the preview"}));

TEST_F(RenamePassTest, ClearDropsThePreviewAndTheNextPreviewsCountsAreUsed)
{
    select({QStringLiteral("a b c.mp3")});
    dialogs.answer(QStringLiteral("1"));
    pass.DoIt();
    pass.b_Arg = true;
    pass.ClearPreview();
    EXPECT_FALSE(pass.b_Arg);
    expectBrowsing();
    dialogs.answer(QStringLiteral("2"));
    pass.DoIt();
    EXPECT_EQ(store(), "2\r\n");
    selectAllEntries();
    pass.DoIt();
    EXPECT_TRUE(files.exists(QStringLiteral("(A B) C.mp3")));
    pass.ClearPreview(); // nothing pending: nothing happens
    EXPECT_EQ(host.refreshes, 1);
}

TEST_F(RenamePassTest, StaleStoreIsNotReplayedAsANewPreviews)
{
    app.write(QStringLiteral("renamer.dat"), "7\r\n");
    select({QStringLiteral("a b c.mp3")});
    dialogs.answer(QStringLiteral("1"));
    pass.DoIt();
    EXPECT_EQ(store(), "1\r\n");
}

TEST_F(RenamePassTest, StoreThatCannotBeWrittenLeavesTheEntryEmptyAndPaired)
{
    QDir(app.path()).mkdir(QStringLiteral("renamer.dat")); // not a file: every append fails
    select({QStringLiteral("a b.mp3"), QStringLiteral("c d.mp3")});
    dialogs.setFallback([](const auto &) { return QStringLiteral("1"); });
    pass.DoIt();
    EXPECT_EQ(pass.lstFiles(), (QStringList{QStringLiteral("Empty"), QStringLiteral("Empty")}));
    EXPECT_EQ(pass.sNames(), host.selected);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(QStringLiteral("There was an error renaming the file: \r\n75 ")));
}

struct Denied
{
    int code;
};

class AccessFailures : public RenamePassTest, public ::testing::WithParamInterface<int> {};

TEST_P(AccessFailures, ShowTheInUseMessageAndKeepTheFiles)
{
    select({QStringLiteral("a b.mp3"), QStringLiteral("c d.mp3")});
    host.mode = NamingMode::Capitalize;
    fs.fail(FaultyFileSystem::RenameNoReplace, GetParam());
    pass.DoIt();
    selectAllEntries();
    pass.DoIt();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList{kInUse.arg(QStringLiteral("a b.mp3")), kInUse.arg(QStringLiteral("c d.mp3"))}));
    EXPECT_EQ(files.entries(), host.selected);
}

// Access denied, busy and a read-only folder, as root would never see them.
INSTANTIATE_TEST_SUITE_P(Errno, AccessFailures, ::testing::Values(EACCES, EBUSY, EROFS, EPERM));

// Names made on Windows: shown and proposed in Windows-1252, renamed by their own bytes
// to the UTF-8 form of the proposal.
class LegacyNames : public RenamePassTest
{
protected:
    QByteArray make(const QByteArray &name)
    {
        files.writeNative(name, name);
        host.nativeSelected.append(NameDecoder().decode(name));
        return name;
    }
    QByteArray contentOf(const QString &name) const { return files.read(name); }
    void previewAndRenameAll()
    {
        pass.DoIt();
        selectAllEntries();
        pass.DoIt();
    }
};

TEST_F(LegacyNames, RenamingRepairsTheEncodingEvenWhenTheTextIsAlreadyRight)
{
    const QByteArray bjork = make("(bj\xf6rk) j\xf3ga.mp3");
    const QByteArray cafe = make("Caf\xe9 Bar.mp3");
    host.mode = NamingMode::Capitalize;
    pass.DoIt();
    EXPECT_EQ(pass.lstFiles(), (QStringList{u"(Björk) Jóga.mp3"_qs, u"Café Bar.mp3"_qs}));
    EXPECT_EQ(pass.sNames(), (QStringList{u"(björk) jóga.mp3"_qs, u"Café Bar.mp3"_qs}));
    selectAllEntries();
    pass.DoIt();
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(files.entries(), (QStringList{u"(Björk) Jóga.mp3"_qs, u"Café Bar.mp3"_qs}));
    EXPECT_EQ(contentOf(u"(Björk) Jóga.mp3"_qs), bjork);
    EXPECT_EQ(contentOf(u"Café Bar.mp3"_qs), cafe);
}

// Every byte 0x80-0xFF, in the mode that changes the least: each file keeps its contents
// under exactly one name, and the five bytes Windows-1252 leaves undefined, which all
// propose the same name, are left with the "already exists" message after the first.
TEST_F(LegacyNames, EveryHighByteIsRenamedOrLeftButNeverLostOrConfused)
{
    for (int b = 0x80; b <= 0xff; ++b)
        make(QByteArray("x") + char(b) + ".mp3");
    host.mode = NamingMode::RemoveUnderscore;
    previewAndRenameAll();
    EXPECT_EQ(dialogs.messages().size(), 4);
    for (const auto &m : dialogs.messages())
        EXPECT_TRUE(m.text.endsWith(u"The new desired filename already exists."_qs));
    QSet<QByteArray> contents;
    for (const QByteArray &name : files.nativeEntries())
        contents.insert(files.readNative(name));
    EXPECT_EQ(contents.size(), 128);
    EXPECT_EQ(contentOf(u"x\u00ff.mp3"_qs), QByteArray("x\xff.mp3"));
    EXPECT_EQ(contentOf(u"x\u20ac.mp3"_qs), QByteArray("x\x80.mp3"));
    EXPECT_EQ(contentOf(u"x\ufffd.mp3"_qs), QByteArray("x\x81.mp3"));
}

TEST_F(LegacyNames, TwinThatDecodesAlikeIsNeverTakenForTheOther)
{
    const QByteArray legacy = make("song\xe9.mp3");
    const QByteArray twin = make("song\xef\xbf\xbd.mp3");
    host.mode = NamingMode::Capitalize;
    previewAndRenameAll();
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(contentOf(u"Songé.mp3"_qs), legacy);
    EXPECT_EQ(contentOf(u"Song\ufffd.mp3"_qs), twin);
}

TEST_F(LegacyNames, RepairThatGrowsPastTheLengthLimitIsReportedAndRenamesNothing)
{
    const QByteArray longName = QByteArray(250, 'a') + "\xe9.mp3";
    ASSERT_EQ(longName.size(), 255);
    make(longName);
    host.mode = NamingMode::Capitalize;
    previewAndRenameAll();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("There was an error renaming the file: \r\n%1 File name too long").arg(ENAMETOOLONG)});
    EXPECT_EQ(files.nativeEntries(), QList<QByteArray>{longName});
}

TEST_F(LegacyNames, CommandLineArgumentsAreTakenAsBytes)
{
    make("song\xe9 x.mp3");
    host.cmd = CommandLine::fromNativeArguments({"song\xe9 x.mp3"}, files.nativePath());
    pass.b_Arg = true;
    dialogs.answer(QStringLiteral("1"));
    previewAndRenameAll();
    EXPECT_EQ(pass.sCmdFiles(), QStringList{files.path() + u"/songé x.mp3"_qs});
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(files.nativeEntries(), QList<QByteArray>{"(Song\xc3\xa9) X.mp3"});
}

TEST_F(RenamePassTest, AwkwardNamesInEveryMode)
{
    const QStringList names{QStringLiteral(".hidden.mp3"), QStringLiteral("a.b.c.mp3"), QStringLiteral("noext"),
                            QStringLiteral("---"), QStringLiteral("12"), QStringLiteral("_")};
    const struct
    {
        NamingMode mode;
        QStringList proposals;
    } cases[] = {
        {NamingMode::Format,
         {QStringLiteral("(.hidden.mp3"), QStringLiteral("(A.b.c.mp3"), QStringLiteral("(Noext"),
          QStringLiteral("Empty"), QStringLiteral("(12"), QStringLiteral("Empty")}},
        {NamingMode::Capitalize,
         {QStringLiteral(".Hidden.mp3"), QStringLiteral("A.b.c.mp3"), QStringLiteral("Noext"), QStringLiteral("---"),
          QStringLiteral("12"), QStringLiteral("_")}},
        {NamingMode::RemoveNumbers,
         {QStringLiteral(".hidden.mp3"), QStringLiteral("a.b.c.mp3"), QStringLiteral("noext"), QStringLiteral("---"),
          QStringLiteral("2"), QStringLiteral("_")}},
    };
    for (const auto &c : cases) {
        TempDir folder;
        host.folder = folder.path();
        host.selected = names;
        for (const QString &n : names)
            folder.write(n, n.toUtf8());
        host.mode = c.mode;
        dialogs.clear();
        dialogs.setFallback([](const auto &) { return QStringLiteral("1"); });
        pass.DoIt();
        EXPECT_EQ(pass.lstFiles(), c.proposals);
        selectAllEntries();
        pass.DoIt();
        EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
        for (int i = 0; i < names.size(); ++i) {
            const QString now = c.proposals[i] == emptyProposal() ? names[i] : c.proposals[i];
            EXPECT_EQ(folder.read(now), names[i].toUtf8()) << now.toStdString();
        }
    }
}

TEST_F(RenamePassTest, CommandLinePreviewTakesAtMostTwentyFilesAlwaysInTheDefaultMode)
{
    QStringList args;
    for (int i = 0; i < 25; ++i)
        args << files.write(QStringLiteral("song %1.mp3").arg(i, 2, 10, QLatin1Char('0')));
    args << QStringLiteral("--not-a-file");
    host.cmd = CommandLine::fromArguments(args, QStringLiteral("/"));
    host.mode = NamingMode::Capitalize;
    pass.b_Arg = true;
    dialogs.setFallback([](const auto &) { return QStringLiteral("1"); });
    pass.DoIt();
    ASSERT_EQ(pass.lstFiles().size(), 20);
    EXPECT_EQ(pass.sCmdFiles().size(), 20);
    EXPECT_EQ(pass.lstFiles().first(), QStringLiteral("(Song) 00.mp3"));
    EXPECT_EQ(pass.sDirs().first(), files.path() + u'/');
    selectAllEntries();
    pass.DoIt();
    EXPECT_FALSE(pass.b_Arg);
    EXPECT_TRUE(files.exists(QStringLiteral("(Song) 19.mp3")));
    EXPECT_TRUE(files.exists(QStringLiteral("song 20.mp3")));
}

TEST_F(RenamePassTest, WindowsCommandLineIsSplitWithItsQuotesDropped)
{
    host.cmd = CommandLine::fromText(QStringLiteral("\"C:\\Music\\the_owls-blue sky.MP3\" \"D:\\a b.mpeg\""));
    pass.b_Arg = true;
    dialogs.answer(QStringLiteral("2"));
    dialogs.answer(QStringLiteral("1"));
    pass.DoIt();
    EXPECT_EQ(pass.lstFiles(), (QStringList{QStringLiteral("(The Owls) Blue Sky.mp3"), QStringLiteral("(A) B.mpeg")}));
    EXPECT_EQ(pass.sDirs(), (QStringList{QStringLiteral("C:\\Music\\"), QStringLiteral("D:\\")}));
    EXPECT_EQ(pass.sNames(), (QStringList{QStringLiteral("the_owls-blue sky.MP3"), QStringLiteral("a b.mpeg")}));
}

TEST_F(RenamePassTest, CommandLineWithoutFilesLeavesBrowsingAndTheFileListInCharge)
{
    host.cmd = CommandLine::fromText(QStringLiteral("/nothing here.rm"));
    pass.b_Arg = true;
    pass.DoIt();
    EXPECT_TRUE(pass.lstFiles().isEmpty());
    EXPECT_FALSE(pass.b_Arg);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(host.captions, QStringLiteral("Preview"));
}

} // namespace
