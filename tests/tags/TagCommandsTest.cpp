// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FakeTagHost.h"
#include "FaultyTagFileAccess.h"
#include "MpegFixture.h"
#include "PictureBox.h"
#include "ScriptedDialogs.h"
#include "TagCommands.h"
#include "TagErrors.h"
#include "TagField.h"
#include "TagUiTestSupport.h"
#include "TempDir.h"
#include "frmTag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace TagUiTestSupport;

namespace {

class TagCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.folder = dir.path();
        use(nullptr);
    }

    void use(TagFileAccess *access)
    {
        commands = std::make_unique<TagCommands>(host, host.context(), dialogs, access);
    }

    // Adds a file to the folder and to File1.
    void add(const QString &name, const QByteArray &bytes, bool selected = true)
    {
        dir.write(name, bytes);
        if (selected)
            host.selection.insert(int(host.entries.size()));
        host.entries << name;
    }

    QByteArray tagged(const Id3v1Record &tag) const { return audio + tag.render(); }
    Id3v1Record stored(const QString &name) const { return storedTag(dir.read(name)); }
    bool audioIntact(const QString &name) const { return dir.read(name).left(audio.size()) == audio; }
    QStringList showsAndOnTop() const { return host.log.filter(QRegularExpression(QStringLiteral("^(show|on top)$"))); }

    // A modal show that records the file shown and where the focus is, types a
    // title and leaves with the given button member.
    FakeTagHost::ShowStep typeThenClick(const QString &title, int button)
    {
        return [this, title, button](QWidget *editor) {
            auto *frm = static_cast<frmTag *>(editor);
            shown << frm->txtFile()->text().section(QLatin1Char('/'), -1);
            focusOnTitle << (frm->focusWidget() == frm->txtTag(0));
            frm->txtTag(0)->clear();
            typeText(frm->txtTag(0), title);
            if (button == 0 || button == 3)
                hover(frm->picButton(button == 0 ? 2 : 1));
            click(frm->picButton(button));
        };
    }

    FakeTagHost host;
    ScriptedDialogs dialogs;
    TempDir dir;
    const QByteArray audio = MpegFixture::frames(3, true);
    std::unique_ptr<TagCommands> commands;
    QStringList shown;
    QList<bool> focusOnTitle;
};

const QStringList kPassStart = {QStringLiteral("enable 0"), QStringLiteral("busy 1"), QStringLiteral("focus txtCancel"),
                                QStringLiteral("tooltip PRESS CTRL+C TO CANCEL THE AUTOTAG PROCESS")};
const QStringList kPassEnd = {QStringLiteral("tooltip Right Click To Edit ID3 Tags. Select as many files as needed."),
                              QStringLiteral("enable 1"), QStringLiteral("busy 0")};

TEST_F(TagCommandsTest, EditShowsEachSelectedFileInOrderAndSaves)
{
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"})
        add(QLatin1String(name), tagged(record(QStringLiteral("old"), 17)), QLatin1String(name) != "b.mp3");
    const QByteArray untouched = dir.read(QStringLiteral("b.mp3"));
    host.onShow.push_back(typeThenClick(QStringLiteral("first"), 2));
    host.onShow.push_back([this](QWidget *editor) {
        auto *frm = static_cast<frmTag *>(editor);
        shown << frm->txtFile()->text().section(QLatin1Char('/'), -1);
        typeText(frm->txtTag(1), QStringLiteral("Ωartist"));
        pressKey(frm->txtTag(1), Qt::Key_Return);
    });
    host.onShow.push_back(typeThenClick(QStringLiteral("third"), 0));

    commands->mnuEditTag_Click();

    EXPECT_EQ(shown, QStringList({"a.mp3", "c.mp3", "d.mp3"}));
    EXPECT_EQ(focusOnTitle, QList<bool>({true, true}));
    EXPECT_EQ(stored(QStringLiteral("a.mp3")).title, QStringLiteral("first"));
    EXPECT_EQ(stored(QStringLiteral("c.mp3")).artist, QStringLiteral("?artist"));
    EXPECT_EQ(stored(QStringLiteral("c.mp3")).title, QStringLiteral("old"));
    EXPECT_EQ(stored(QStringLiteral("d.mp3")).title, QStringLiteral("third"));
    EXPECT_EQ(stored(QStringLiteral("d.mp3")).genre, 17);
    EXPECT_EQ(dir.read(QStringLiteral("b.mp3")), untouched);
    for (const QString &name : host.entries)
        EXPECT_TRUE(audioIntact(name)) << name.toStdString();
    EXPECT_EQ(showsAndOnTop(), QStringList({"show", "show", "show", "on top"}));
    ASSERT_NE(commands->loadedEditor(), nullptr);
    EXPECT_FALSE(commands->loadedEditor()->isVisible());
    EXPECT_TRUE(host.onShow.empty());
}

TEST_F(TagCommandsTest, CancelStopsTheEditAndTheNextEditStartsAfresh)
{
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3"})
        add(QLatin1String(name), tagged(record(QStringLiteral("old"))));
    const QByteArray b = dir.read(QStringLiteral("b.mp3"));
    const QByteArray c = dir.read(QStringLiteral("c.mp3"));
    host.onShow.push_back(typeThenClick(QStringLiteral("saved"), 2));
    host.onShow.push_back(typeThenClick(QStringLiteral("dropped"), 3));

    commands->mnuEditTag_Click();

    EXPECT_EQ(shown, QStringList({"a.mp3", "b.mp3"}));
    EXPECT_EQ(stored(QStringLiteral("a.mp3")).title, QStringLiteral("saved"));
    EXPECT_EQ(dir.read(QStringLiteral("b.mp3")), b);
    EXPECT_EQ(dir.read(QStringLiteral("c.mp3")), c);
    EXPECT_EQ(showsAndOnTop(), QStringList({"show", "show", "on top"}));

    shown.clear();
    for (const char *title : {"one", "two", "three"})
        host.onShow.push_back(typeThenClick(QLatin1String(title), 2));
    commands->mnuEditTag_Click();
    EXPECT_EQ(shown, QStringList({"a.mp3", "b.mp3", "c.mp3"}));
    EXPECT_EQ(stored(QStringLiteral("c.mp3")).title, QStringLiteral("three"));

    // Closed from outside, the editor counts as cancelled.
    shown.clear();
    host.onShow.push_back([](QWidget *editor) { editor->close(); });
    commands->mnuEditTag_Click();
    EXPECT_EQ(stored(QStringLiteral("a.mp3")).title, QStringLiteral("one"));
    EXPECT_TRUE(host.onShow.empty());
}

TEST_F(TagCommandsTest, NothingSelectedShowsNothingButStillRuns)
{
    add(QStringLiteral("a.mp3"), tagged(record(QStringLiteral("x"))), false);
    const QByteArray before = dir.read(QStringLiteral("a.mp3"));
    commands->mnuEditTag_Click();
    EXPECT_EQ(host.log, QStringList({"on top"}));
    host.log.clear();
    commands->mnuAutoTag_Click();
    EXPECT_EQ(host.log, kPassStart + kPassEnd);
    EXPECT_EQ(dir.read(QStringLiteral("a.mp3")), before);
    EXPECT_FALSE(host.main().busy());
}

TEST_F(TagCommandsTest, AutoTagsEverySelectedFileFromItsName)
{
    struct Row { QString name; QByteArray before; bool selected; const char *title; const char *artist; const char *comment; };
    Id3v1Record withComment = record(QStringLiteral("x"), 9, QStringLiteral("mine"), 1999);
    withComment.album = QStringLiteral("Album");
    std::vector<Row> rows = {
        {QStringLiteral("(Blue Cats)Night Train.mp3"), tagged(record({}, 9)), true, "ight Train", "Blue Cats", "ID3 Tag by Marlune"},
        {QString::fromUtf8("(Кошка) Ωμέγα.mp3"), audio, true, "?????", "?????", "ID3 Tag by Marlune"},
        {QStringLiteral("(Skipped) Song.mp3"), audio, false, nullptr, nullptr, nullptr},
        {QStringLiteral("(Blue Cats) .mp3"), tagged(record({}, 9, QStringLiteral("   "))), true, "", "Blue Cats", "ID3 Tag by Marlune"},
    };
    for (int i = 0; i < 40; ++i) {
        const QString n = QString::number(i);
        if (i % 4 == 3)
            rows.push_back({QStringLiteral("Plain ") + n + QStringLiteral(".mp3"), tagged(withComment), true, "x", "", "mine"});
        else
            rows.push_back({QStringLiteral("(Artist %1) Title %1.mp3").arg(n), i % 2 ? audio : tagged(withComment), true,
                            nullptr, nullptr, i % 2 ? "ID3 Tag by Marlune" : "mine"});
    }
    for (const Row &row : rows)
        add(row.name, row.before, row.selected);
    QList<bool> busyAndFocused;
    host.onSelectedQuery = [&](int) {
        busyAndFocused << (host.main().busy() && host.main().focusWidget() == host.txtCancel());
    };

    commands->mnuAutoTag_Click();

    for (const Row &row : rows) {
        const std::string name = row.name.toStdString();
        EXPECT_TRUE(audioIntact(row.name)) << name;
        if (!row.selected || !row.name.startsWith(QLatin1Char('('))) {
            // Skipped, or off the rule: its tag went back unchanged, byte for byte.
            EXPECT_EQ(dir.read(row.name), row.before) << name;
            continue;
        }
        const Id3v1Record r = stored(row.name);
        const QString n = row.name.section(QLatin1Char(' '), 1, 1).section(QLatin1Char(')'), 0, 0);
        EXPECT_EQ(r.title, row.title ? QString::fromUtf8(row.title) : QStringLiteral("Title ") + n) << name;
        EXPECT_EQ(r.artist, row.artist ? QString::fromUtf8(row.artist) : QStringLiteral("Artist ") + n) << name;
        EXPECT_EQ(r.comment, QString::fromUtf8(row.comment)) << name;
        if (row.before.endsWith(withComment.render())) {
            EXPECT_EQ(r.album, QStringLiteral("Album")) << name;
            EXPECT_EQ(r.year, 1999) << name;
            EXPECT_EQ(r.genre, 9) << name;
        }
    }
    EXPECT_EQ(host.log, kPassStart + kPassEnd);
    EXPECT_FALSE(busyAndFocused.contains(false));
    EXPECT_FALSE(host.main().busy());
    EXPECT_EQ(host.i_AutoTag, int(rows.size()));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_NE(commands->loadedEditor(), nullptr);
    EXPECT_FALSE(commands->loadedEditor()->isVisible()) << "the pass never shows the editor";
}

// Control then C reaches txtCancel between two files and ends the pass after the file in hand.
TEST_F(TagCommandsTest, ControlThenCStopsThePassAfterTheFileInHand)
{
    const int count = 60;
    for (int i = 0; i < count; ++i)
        add(QStringLiteral("(A) T%1.mp3").arg(i), audio);
    for (int cancelAt : {0, 17, count - 1}) {
        // Made anew rather than truncated, which would make the file system flush each one.
        for (const QString &name : host.entries) {
            QFile::remove(dir.filePath(name));
            dir.write(name, audio);
        }
        host.log.clear();
        host.onSelectedQuery = [&](int index) {
            if (index != cancelAt)
                return;
            for (Qt::Key key : {Qt::Key_Control, Qt::Key_C})
                QCoreApplication::postEvent(host.txtCancel(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        };
        commands->mnuAutoTag_Click();
        for (int i = 0; i < count; ++i) {
            const QString name = host.entries.at(i);
            if (i <= cancelAt)
                EXPECT_EQ(stored(name).title, QStringLiteral("T%1").arg(i)) << cancelAt << ' ' << i;
            else
                EXPECT_EQ(dir.read(name), audio) << cancelAt << ' ' << i;
        }
        EXPECT_EQ(host.log, kPassStart + kPassEnd) << cancelAt;
        EXPECT_EQ(host.txtCancel()->text(), QStringLiteral("Cancel"));
    }
}

// What may arrive while events run in the pass: the commands again, and the
// program's exit unloading the editor.
TEST_F(TagCommandsTest, EventsDuringThePassNeitherNestNorPullTheEditorAway)
{
    for (int i = 0; i < 10; ++i)
        add(QStringLiteral("(A) T%1.mp3").arg(i), audio);
    host.onSelectedQuery = [&](int index) {
        if (index == 2)
            QTimer::singleShot(0, [&] {
                commands->mnuAutoTag_Click();
                commands->mnuEditTag_Click();
            });
        if (index == 5)
            QTimer::singleShot(0, [&] { commands->unloadEditor(); });
    };
    commands->mnuAutoTag_Click();
    EXPECT_EQ(host.log, kPassStart + kPassEnd);
    EXPECT_EQ(commands->loadedEditor(), nullptr);
    EXPECT_FALSE(commands->running());
    for (int i = 0; i < 10; ++i) {
        const QString name = host.entries.at(i);
        EXPECT_EQ(stored(name).title, i <= 5 ? QStringLiteral("T%1").arg(i) : QString()) << i;
    }
}

// The pass opens each file once, for reading and writing both.
TEST_F(TagCommandsTest, AutoTagOpensEachFileOnce)
{
    FaultyTagFileAccess access;
    use(&access);
    for (int i = 0; i < 3; ++i)
        add(QStringLiteral("(A) T%1.mp3").arg(i), i % 2 ? audio : tagged(record(QStringLiteral("x"))));
    commands->mnuAutoTag_Click();
    EXPECT_EQ(access.opens(TagFileAccess::Mode::ReadWrite), 3);
    EXPECT_EQ(access.opens(TagFileAccess::Mode::Read), 0);
    EXPECT_EQ(stored(host.entries[2]).title, QStringLiteral("T2"));
}

TEST_F(TagCommandsTest, FailedWritesAreShownAndThePassGoesOn)
{
    FaultyTagFileAccess access;
    access.failAt(FaultyTagFileAccess::Step::OpenForWrite, TagErrors::make(TagErrors::PermissionDenied));
    use(&access);
    for (int i = 0; i < 4; ++i)
        add(QStringLiteral("(A) T%1.mp3").arg(i), i % 2 ? audio : tagged(record(QStringLiteral("x"))));
    const QList<QByteArray> before = {dir.read(host.entries[0]), dir.read(host.entries[1]),
                                      dir.read(host.entries[2]), dir.read(host.entries[3])};
    commands->mnuAutoTag_Click();
    // Refused for writing, each file is still read once and shown.
    EXPECT_EQ(access.opens(TagFileAccess::Mode::ReadWrite), 4);
    EXPECT_EQ(access.opens(TagFileAccess::Mode::Read), 4);
    ASSERT_EQ(dialogs.messages().size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialogs.messages().at(i).text, QStringLiteral("Permission denied\r\n") + dir.filePath(host.entries[i]));
        EXPECT_EQ(dialogs.messages().at(i).icon, Dialogs::Icon::Critical);
        EXPECT_EQ(dir.read(host.entries[i]), before[i]) << i;
    }
    EXPECT_EQ(host.log.mid(host.log.size() - 3), kPassEnd);

    // Files that vanish before the pass reaches them are reported, not made anew.
    use(nullptr);
    dialogs.clear();
    host.onSelectedQuery = [&](int index) {
        if (index == 1)
            QFile::remove(dir.filePath(host.entries[1]));
    };
    commands->mnuAutoTag_Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList(QStringLiteral("File not found\r\n") + dir.filePath(host.entries[1])));
    EXPECT_FALSE(dir.exists(host.entries[1]));
    EXPECT_EQ(stored(host.entries[3]).title, QStringLiteral("T3"));
}

} // namespace
