// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Id3v1Record.h"
#include "MainWindowFixture.h"
#include "PictureButtonBar.h"

namespace {

class RenameThroughWindow : public MainWindowFixture
{
};

TEST_F(RenameThroughWindow, PreviewThenRenameWithTheButtons)
{
    touch(QStringLiteral("the_owls-blue sky.MP3"));
    touch(QStringLiteral("a-b-c.mp3"));
    touch(QStringLiteral("notes.txt"));
    frmRenamer &main = open();
    main.show();
    ASSERT_EQ(main.File1->listCount(), 2) << "the pattern matches without regard to case";
    EXPECT_EQ(main.File1->list(0), QStringLiteral("a-b-c.mp3"));

    clickRow(main.File1, 0);
    clickRow(main.File1, 1, Qt::ControlModifier);
    dialogs.answer(QStringLiteral("1"));
    dialogs.answer(QStringLiteral("2"));
    pressButton(main, 2, 0);

    EXPECT_EQ(items(main.lstFiles), QStringList({"(A) B C.mp3", "(The Owls) Blue Sky.mp3"}));
    EXPECT_EQ(main.lblButton(2)->text(), QStringLiteral("Rename"));
    EXPECT_EQ(main.lblButton(0)->text(), QStringLiteral("Rename"));
    for (QWidget *w : {static_cast<QWidget *>(main.Drive1), static_cast<QWidget *>(main.Dir1),
                       static_cast<QWidget *>(main.txtDir), static_cast<QWidget *>(main.lstType),
                       static_cast<QWidget *>(main.File1)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(main.menus().mnuCap->isEnabled());
    EXPECT_TRUE(QFile::exists(cache() + QStringLiteral("/renamer.dat")));

    // Only the second proposal is confirmed; it still gets its own stored count.
    clickRow(main.lstFiles, 1);
    pressButton(main, 2, 0);

    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_TRUE(QFile::exists(musicFile(QStringLiteral("(The Owls) Blue Sky.mp3"))));
    EXPECT_TRUE(QFile::exists(musicFile(QStringLiteral("a-b-c.mp3"))));
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_EQ(main.lblButton(2)->text(), QStringLiteral("Preview"));
    EXPECT_TRUE(main.File1->isEnabled());
    EXPECT_TRUE(main.menus().mnuCap->isEnabled());
    EXPECT_EQ(main.File1->list(0), QStringLiteral("(The Owls) Blue Sky.mp3"));
    EXPECT_FALSE(QFile::exists(cache() + QStringLiteral("/renamer.dat")));
}

TEST_F(RenameThroughWindow, ClearDropsThePreview)
{
    touch(QStringLiteral("x y.mp3"));
    frmRenamer &main = open();
    main.show();
    main.menus().mnuCap->trigger();
    clickRow(main.File1, 0);
    pressButton(main, 2, 0);
    ASSERT_EQ(items(main.lstFiles), QStringList({"X Y.mp3"}));
    pressButton(main, 1, 3);
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_EQ(main.lblButton(0)->text(), QStringLiteral("Preview"));
    EXPECT_TRUE(main.lstType->isEnabled());
    EXPECT_TRUE(QFile::exists(musicFile(QStringLiteral("x y.mp3"))));
}

TEST_F(RenameThroughWindow, RightButtonOrHourglassRunsNothing)
{
    touch(QStringLiteral("x_y.mp3"));
    frmRenamer &main = open();
    main.show();
    main.menus().mnuCap->trigger();
    clickRow(main.File1, 0);

    pressButton(main, 2, 0, Qt::RightButton);
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_EQ(main.buttons().iMouseButton(), 2);

    main.setBusy(true);
    pressButton(main, 2, 0);
    EXPECT_EQ(main.lstFiles->count(), 0);

    main.setBusy(false);
    pressButton(main, 2, 0);
    EXPECT_EQ(main.lstFiles->count(), 1);
}

TEST_F(RenameThroughWindow, PreviewWithNothingSelectedStaysBrowsing)
{
    touch(QStringLiteral("x_y.mp3"));
    frmRenamer &main = open();
    main.show();
    pressButton(main, 2, 0);
    EXPECT_EQ(main.lstFiles->count(), 0);
    EXPECT_EQ(main.lblButton(2)->text(), QStringLiteral("Preview"));
    EXPECT_TRUE(main.File1->isEnabled());
    EXPECT_TRUE(dialogs.prompts().isEmpty());
}

TEST_F(RenameThroughWindow, SelectionInThePreviewListReachesThePass)
{
    for (const char *name : {"a_1.mp3", "b_2.mp3", "c_3.mp3"})
        touch(QString::fromLatin1(name));
    frmRenamer &main = open();
    main.show();
    main.menus().mnuRemoveUnderscore->trigger();
    main.File1->selectAll();
    pressButton(main, 2, 0);
    ASSERT_EQ(main.lstFiles->count(), 3);
    clickRow(main.lstFiles, 0);
    clickRow(main.lstFiles, 2, Qt::ShiftModifier);
    clickRow(main.lstFiles, 1, Qt::ControlModifier);
    std::vector<bool> selected;
    for (const RenamePass::Entry &entry : main.pass().entries())
        selected.push_back(entry.selected);
    EXPECT_EQ(selected, (std::vector<bool>{true, false, true}));
}

// The prompt offers the tagged file's artist word count; an entry whose new name is
// taken shows red with the reason, a free one stays as it was.
TEST_F(RenameThroughWindow, PreviewOffersTheTagsCountAndMarksTakenNames)
{
    Id3v1Record tag;
    tag.artist = QStringLiteral("The Owls");
    temp.write(QStringLiteral("music/the_owls-blue sky.mp3"), QByteArray(200, 'x') + tag.render());
    touch(QStringLiteral("(The Owls) Blue Sky.mp3"));
    touch(QStringLiteral("x_y.mp3"));
    frmRenamer &main = open();
    main.show();
    ASSERT_EQ(main.File1->list(1), QStringLiteral("the_owls-blue sky.mp3"));
    clickRow(main.File1, 1);
    clickRow(main.File1, 2, Qt::ControlModifier);
    dialogs.answer(QStringLiteral("2"));
    dialogs.answer(QStringLiteral("1"));
    pressButton(main, 2, 0);

    ASSERT_EQ(dialogs.prompts().size(), 2);
    EXPECT_EQ(dialogs.prompts().at(0).defaultText, QStringLiteral("2"));
    ASSERT_EQ(items(main.lstFiles), QStringList({"(The Owls) Blue Sky.mp3", "(X) Y.mp3"}));
    EXPECT_EQ(main.lstFiles->item(0)->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(main.lstFiles->item(0)->toolTip(), QStringLiteral("already exists"));
    EXPECT_NE(main.lstFiles->item(1)->foreground().color(), QColor(Qt::red));
    EXPECT_TRUE(main.lstFiles->item(1)->toolTip().isEmpty());
}

TEST_F(RenameThroughWindow, UndoLastRenameAfterARestartAsksThenPutsTheNamesBack)
{
    touch(QStringLiteral("the_owls-blue sky.MP3"));
    touch(QStringLiteral("a-b-c.mp3"));
    const auto undoOffered = [](frmRenamer &main) {
        Q_EMIT main.menus().mnuFile->aboutToShow();
        return main.menus().mnuUndo->isEnabled();
    };
    frmRenamer &first = open();
    first.show();
    EXPECT_FALSE(undoOffered(first)) << "nothing renamed yet";
    clickRow(first.File1, 0);
    clickRow(first.File1, 1, Qt::ControlModifier);
    dialogs.answer(QStringLiteral("1"));
    dialogs.answer(QStringLiteral("2"));
    pressButton(first, 2, 0);
    EXPECT_FALSE(undoOffered(first)) << "a preview waits";
    first.lstFiles->selectAll();
    pressButton(first, 2, 0);
    EXPECT_TRUE(undoOffered(first));

    forms.reset();
    frmRenamer &main = open();
    main.show();
    ASSERT_TRUE(undoOffered(main));
    main.menus().mnuUndo->trigger();
    ASSERT_EQ(dialogs.questions().size(), 1);
    EXPECT_EQ(dialogs.questions().first().text,
              QStringLiteral("Undo the last rename? These files get their old names back:\r\n"
                             "(The Owls) Blue Sky.mp3 -> the_owls-blue sky.MP3\r\n(A) B C.mp3 -> a-b-c.mp3"));
    EXPECT_EQ(main.File1->list(0), QStringLiteral("(A) B C.mp3")) << "No renames nothing";

    dialogs.answerYesNo(true);
    main.menus().mnuUndo->trigger();
    EXPECT_EQ(main.File1->list(0), QStringLiteral("a-b-c.mp3"));
    EXPECT_EQ(main.File1->list(1), QStringLiteral("the_owls-blue sky.MP3"));
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_FALSE(undoOffered(main));
}

} // namespace
