// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "EditorScript.h"
#include "FaultyTagFileAccess.h"
#include "MainWindowFixture.h"
#include "MpegFixture.h"
#include "TagCommands.h"
#include "TagErrors.h"
#include "Veltro.h"
#include "frmTag.h"

#include <QApplication>
#include <QTimer>
#include <optional>

namespace {

// The tag commands as the user reaches them: the "&Tag" menu, a right click and a
// double-click in File1, the editor's own buttons, and Control then C.
class TagsThroughWindow : public MainWindowFixture
{
protected:
    void addMp3(const QString &name, const QString &title = {}, const QString &comment = {})
    {
        Id3v1Record tag;
        tag.title = title;
        tag.comment = comment;
        tag.genre = 17;
        temp.write(QStringLiteral("music/") + name, audio + (title.isNull() ? QByteArray() : tag.render()));
    }

    QByteArray bytes(const QString &name) const { return temp.read(QStringLiteral("music/") + name); }

    // The stored tag as the program's own reader sees it.
    Veltro tagOf(const QString &name) const
    {
        Veltro veltro;
        veltro.setTag_file(musicFile(name));
        return veltro;
    }

    // A click on the first row, Control and a click on each further one.
    static void select(frmRenamer &main, std::initializer_list<int> rows)
    {
        Qt::KeyboardModifiers mods = Qt::NoModifier;
        for (int row : rows) {
            clickRow(main.File1, row, mods);
            mods = Qt::ControlModifier;
        }
    }

    static QPoint rowCentre(frmRenamer &main, int row)
    {
        return main.File1->visualRect(main.File1->model()->index(row, 0)).center();
    }

    // "&Edit ID3 Tags", by its access key, from the menu that a right click on a row pops up.
    void editFromRightClick(frmRenamer &main, int row)
    {
        QTest::mouseClick(main.File1->viewport(), Qt::RightButton, {}, rowCentre(main, row));
        ASSERT_TRUE(main.menus().mnuTag->isVisible());
        QTest::keyClick(main.menus().mnuTag, Qt::Key_E);
    }

    const QByteArray audio = MpegFixture::frames(3, true);
    EditorScript script;
};

TEST_F(TagsThroughWindow, EditsTheSelectedFilesOneAfterTheOtherUntilCancel)
{
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"})
        addMp3(QLatin1String(name), QStringLiteral("old"));
    frmRenamer &main = open();
    main.show();
    ASSERT_EQ(main.File1->listCount(), 4);

    // From the menu: a, c and d in list order; b is not selected.
    select(main, {0, 2, 3});
    const QByteArray b = bytes(QStringLiteral("b.mp3"));
    script.then(EditorScript::all({EditorScript::type(0, QStringLiteral("First")), EditorScript::save()}))
        .then(EditorScript::all({EditorScript::type(1, QStringLiteral("Artist")), EditorScript::type(3, QStringLiteral("19x99")),
                                 EditorScript::key(1, Qt::Key_Return)}))
        .then(EditorScript::all({EditorScript::type(5, QStringLiteral("note")), EditorScript::save()}));
    main.menus().mnuEditTag->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.shown, QStringList({"a.mp3", "c.mp3", "d.mp3"}));
    EXPECT_EQ(script.titleFocused, QList<bool>({true, true, true}));
    EXPECT_EQ(tagOf(QStringLiteral("a.mp3")).tag_title(), QStringLiteral("First"));
    EXPECT_EQ(tagOf(QStringLiteral("c.mp3")).tag_artist(), QStringLiteral("Artist"));
    EXPECT_EQ(tagOf(QStringLiteral("c.mp3")).tag_year(), 1999);
    EXPECT_EQ(tagOf(QStringLiteral("d.mp3")).tag_comment(), QStringLiteral("note"));
    EXPECT_EQ(tagOf(QStringLiteral("d.mp3")).tag_genre(), 17);
    EXPECT_EQ(bytes(QStringLiteral("b.mp3")), b);
    for (const char *name : {"a.mp3", "c.mp3", "d.mp3"})
        EXPECT_TRUE(bytes(QLatin1String(name)).startsWith(audio)) << name;

    // Through the right-click menu: Cancel on the second file leaves the third untouched.
    select(main, {0, 1, 2});
    const QByteArray c = bytes(QStringLiteral("c.mp3"));
    script.shown.clear();
    script.then(EditorScript::all({EditorScript::type(0, QStringLiteral("Saved")), EditorScript::save()}))
        .then(EditorScript::all({EditorScript::type(0, QStringLiteral("Dropped")), EditorScript::cancel()}));
    editFromRightClick(main, 2);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.shown, QStringList({"a.mp3", "b.mp3"}));
    EXPECT_EQ(tagOf(QStringLiteral("a.mp3")).tag_title(), QStringLiteral("Saved"));
    EXPECT_EQ(bytes(QStringLiteral("b.mp3")), b);
    EXPECT_EQ(bytes(QStringLiteral("c.mp3")), c);

    // A double-click edits the file under the pointer alone, the cancel forgotten.
    script.shown.clear();
    script.then(EditorScript::all({EditorScript::type(0, QStringLiteral("Double")), EditorScript::key(0, Qt::Key_Return)}));
    clickRow(main.File1, 1);
    QTest::mouseDClick(main.File1->viewport(), Qt::LeftButton, {}, rowCentre(main, 1));
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.shown, QStringList({"b.mp3"}));
    EXPECT_EQ(tagOf(QStringLiteral("b.mp3")).tag_title(), QStringLiteral("Double"));
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // The editor stays loaded, hidden, until the program's exit unloads it.
    ASSERT_NE(forms->tags().loadedEditor(), nullptr);
    EXPECT_FALSE(forms->tags().loadedEditor()->isVisible());
    main.menus().mnuExit->trigger();
    EXPECT_EQ(forms->tags().loadedEditor(), nullptr);
    EXPECT_EQ(quits, 1);
}

TEST_F(TagsThroughWindow, AutoTagsAFolderFromTheNames)
{
    addMp3(QStringLiteral("(Blue Cats) Night Train.mp3"));
    addMp3(QStringLiteral("(The Owls) Blue Sky.mp3"), QStringLiteral("x"), QStringLiteral("mine"));
    addMp3(QStringLiteral("Loose Song.mp3"), QStringLiteral("kept"));
    const QByteArray loose = bytes(QStringLiteral("Loose Song.mp3"));
    frmRenamer &main = open();
    main.show();
    QApplication::setActiveWindow(&main);
    main.File1->selectAll();

    // What the user sees while the pass runs, read once the first file is done.
    struct During { QString toolTip; bool busy, cancelFocused, listEnabled; };
    std::optional<During> during;
    QTimer::singleShot(0, &main, [&] {
        during = During{main.File1->toolTip(), main.busy(), main.focusWidget() == main.txtCancel,
                        main.File1->isEnabled()};
    });
    main.menus().mnuAutoTag->trigger();

    ASSERT_TRUE(during.has_value());
    EXPECT_EQ(during->toolTip, QStringLiteral("PRESS CTRL+C TO CANCEL THE AUTOTAG PROCESS"));
    EXPECT_TRUE(during->busy);
    EXPECT_TRUE(during->cancelFocused);
    EXPECT_FALSE(during->listEnabled);
    EXPECT_EQ(main.File1->toolTip(), QStringLiteral("Right Click To Edit ID3 Tags. Select as many files as needed."));
    EXPECT_FALSE(main.busy());
    EXPECT_TRUE(main.File1->isEnabled());
    EXPECT_TRUE(main.lstType->isEnabled());

    const Veltro cats = tagOf(QStringLiteral("(Blue Cats) Night Train.mp3"));
    EXPECT_TRUE(cats.hasTag());
    EXPECT_EQ(cats.tag_artist(), QStringLiteral("Blue Cats"));
    EXPECT_EQ(cats.tag_title(), QStringLiteral("Night Train"));
    EXPECT_EQ(cats.tag_comment(), QStringLiteral("ID3 Tag by Marlune"));
    const Veltro owls = tagOf(QStringLiteral("(The Owls) Blue Sky.mp3"));
    EXPECT_EQ(owls.tag_artist(), QStringLiteral("The Owls"));
    EXPECT_EQ(owls.tag_title(), QStringLiteral("Blue Sky"));
    EXPECT_EQ(owls.tag_comment(), QStringLiteral("mine"));
    EXPECT_EQ(owls.tag_genre(), 17);
    EXPECT_EQ(bytes(QStringLiteral("Loose Song.mp3")), loose) << "off the rule: written back unchanged";
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(script.shown.isEmpty()) << "the pass never shows the editor";
}

// Control then C reaches txtCancel while the pass handles events after a file.
TEST_F(TagsThroughWindow, ControlThenCStopsThePassAfterTheFileInHand)
{
    const int count = 40;
    for (int i = 0; i < count; ++i)
        addMp3(QStringLiteral("(A) T%1.mp3").arg(i, 2, 10, QLatin1Char('0')));
    frmRenamer &main = open();
    main.show();
    for (int cancelAt : {0, 13}) {
        for (int i = 0; i < count; ++i)
            temp.write(QStringLiteral("music/(A) T%1.mp3").arg(i, 2, 10, QLatin1Char('0')), audio);
        main.File1->selectAll();
        // Re-armed after each file until the pass reaches cancelAt.
        std::function<void()> watch = [&] {
            if (!main.busy())
                return;
            if (main.autoTagIndex() < cancelAt) {
                QTimer::singleShot(0, &main, watch);
                return;
            }
            QTest::keyPress(main.txtCancel, Qt::Key_Control, Qt::ControlModifier);
            QTest::keyPress(main.txtCancel, Qt::Key_C, Qt::ControlModifier);
        };
        QTimer::singleShot(0, &main, watch);
        main.menus().mnuAutoTag->trigger();
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("(A) T%1.mp3").arg(i, 2, 10, QLatin1Char('0'));
            if (i <= cancelAt)
                EXPECT_EQ(tagOf(name).tag_title(), QStringLiteral("T%1").arg(i, 2, 10, QLatin1Char('0'))) << cancelAt;
            else
                EXPECT_EQ(bytes(name), audio) << cancelAt << ' ' << i;
        }
        EXPECT_EQ(main.txtCancel->text(), QStringLiteral("Cancel"));
        EXPECT_FALSE(main.busy());
        EXPECT_TRUE(main.File1->isEnabled());
    }
}

TEST_F(TagsThroughWindow, OtherFileTypesRefuseTheEditor)
{
    addMp3(QStringLiteral("a.mp3"));
    temp.write(QStringLiteral("music/notes.txt"), "text");
    frmRenamer &main = open();
    main.show();
    main.lstType->setCurrentRow(7);
    ASSERT_EQ(main.File1->list(0), QStringLiteral("notes.txt"));
    select(main, {0});
    QTest::mouseDClick(main.File1->viewport(), Qt::LeftButton, {}, rowCentre(main, 0));
    QTest::mouseClick(main.File1->viewport(), Qt::RightButton, {}, rowCentre(main, 0));
    EXPECT_FALSE(main.menus().mnuTag->isVisible());
    EXPECT_TRUE(script.shown.isEmpty());
    EXPECT_EQ(forms->tags().loadedEditor(), nullptr);
    EXPECT_EQ(temp.read(QStringLiteral("music/notes.txt")), "text");
}

TEST_F(TagsThroughWindow, FailedWritesShowTheCriticalMessageAndGoOn)
{
    FaultyTagFileAccess access;
    access.failAt(FaultyTagFileAccess::Step::OpenForWrite, TagErrors::make(TagErrors::PermissionDenied));
    addMp3(QStringLiteral("(A) One.mp3"), QStringLiteral("x"));
    addMp3(QStringLiteral("(A) Two.mp3"));
    const QByteArray one = bytes(QStringLiteral("(A) One.mp3"));
    const QByteArray two = bytes(QStringLiteral("(A) Two.mp3"));
    frmRenamer &main = open({}, &access);
    main.show();
    main.File1->selectAll();
    const QString denied = QStringLiteral("Permission denied\r\n") + main.File1->path();
    const QStringList expected = {denied + QStringLiteral("/(A) One.mp3"), denied + QStringLiteral("/(A) Two.mp3")};

    // In the editor: Save reports the failure, hides the editor and the next file follows.
    script.then(EditorScript::all({EditorScript::type(0, QStringLiteral("New")), EditorScript::save()}))
        .then(EditorScript::save());
    main.menus().mnuEditTag->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(dialogs.messageTexts(), expected);

    dialogs.clear();
    main.menus().mnuAutoTag->trigger();
    EXPECT_EQ(dialogs.messageTexts(), expected);
    for (const ScriptedDialogs::Message &message : dialogs.messages())
        EXPECT_EQ(message.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(bytes(QStringLiteral("(A) One.mp3")), one);
    EXPECT_EQ(bytes(QStringLiteral("(A) Two.mp3")), two);
    EXPECT_FALSE(main.busy());
}

} // namespace
