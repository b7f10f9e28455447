// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DriveBox.h"
#include "EditorScript.h"
#include "MainWindowFixture.h"
#include "TagCommands.h"

#include "MenuLabelLayout.h"
#include "TrayHost.h"
#include "Twips.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>

namespace {

class MainWindowControls : public MainWindowFixture
{
};

TEST_F(MainWindowControls, LayoutAndTooltipsAsDesigned)
{
    frmRenamer &main = open();
    struct Row
    {
        QWidget *control;
        int left, top, width, height;
        const char *tip;
    };
    const Row rows[] = {
        {main.Drive1, 60, 720, 2535, 315, "Select Drive"},
        {main.Dir1, 60, 1080, 2535, 2565, "Select Directory"},
        {main.File1, 2640, 720, 4575, 1650, "Right Click To Edit ID3 Tags. Select as many files as needed."},
        {main.lblPreview, 4560, 2340, 690, 195, ""},
        {main.lstFiles, 2640, 2550, 4575, 1620, "Select Files To Rename"},
        {main.txtDir, 60, 3720, 1575, 450, "Type Directory/Location And Press SHIFT+ENTER"},
        {main.lstType, 1680, 3720, 915, 450, "Select Type Of Files To Rename"},
        {main.txtCancel, 780, 5350, 615, 315, ""},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.control->geometry(),
                  QRect(twips(row.left), twips(row.top), twips(row.width), twips(row.height)))
            << row.control->objectName().toStdString();
        EXPECT_EQ(row.control->toolTip(), QString::fromLatin1(row.tip)) << row.control->objectName().toStdString();
    }
    EXPECT_EQ(main.size(), QSize(twips(7275), twips(4875)));
    EXPECT_EQ(main.picButton(2)->pos(), QPoint(twips(1620), twips(4260)));
    EXPECT_EQ(main.picButton(1)->pos(), QPoint(twips(4320), twips(4260)));
    EXPECT_EQ(main.lblPreview->text(), QStringLiteral("Preview"));
    EXPECT_EQ(main.txtCancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(main.lblMenu(3)->text(), QStringLiteral("Marlune"));
    EXPECT_EQ(items(main.lstType), QStringList({"*.mp3", "*.mpg", "*.mpeg", "*.asf", "*.mov", "*.rm",
                                                "*.ram", "*.txt", "*.doc"}));
    EXPECT_EQ(main.lstType->currentRow(), 0);
}

TEST_F(MainWindowControls, MenusCarryTheirCaptionsAndOpenFromTheLabels)
{
    frmRenamer &main = open();
    auto captions = [](QMenu *menu) {
        QStringList texts;
        for (QAction *a : menu->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return texts;
    };
    EXPECT_EQ(captions(main.menus().mnuFile), QStringList({"&Undo Last Rename", "E&xit"}));
    EXPECT_EQ(captions(main.menus().mnuOptions), QStringList({"&Capitalize Only", "&Remove Numbers",
                                                      "R&emove Underscore", "-", "&Prefrences"}));
    EXPECT_EQ(captions(main.menus().mnuHelp), QStringList({"&About"}));
    EXPECT_EQ(captions(main.menus().mnuTag), QStringList({"&Auto Add ID3 Tags", "&Edit ID3 Tags", "-",
                                                  "E&nqueue in Winamp"}));
    EXPECT_EQ(captions(main.menus().mnuUpdate), QStringList({"Check for &Update"}));
    EXPECT_EQ(main.menus().mnuTag->title(), QStringLiteral("&Tag"));

    main.show();
    const std::pair<int, QMenu *> labels[] = {{MenuIndex::File, main.menus().mnuFile},
                                              {MenuIndex::Options, main.menus().mnuOptions},
                                              {MenuIndex::Help, main.menus().mnuHelp},
                                              {MenuIndex::Update, main.menus().mnuUpdate},
                                              {MenuIndex::Tag, main.menus().mnuTag}};
    for (const auto &[index, menu] : labels) {
        click(main.lblMenu(index));
        EXPECT_TRUE(menu->isVisible()) << index;
        menu->hide();
    }
    EXPECT_EQ(clips.played, std::vector<Clip>(5, Clip::Menu));
}

TEST_F(MainWindowControls, AtMostOneNamingModeIsChecked)
{
    frmRenamer &main = open();
    QAction *cap = main.menus().mnuCap;
    QAction *num = main.menus().mnuRemoveNumbers;
    QAction *und = main.menus().mnuRemoveUnderscore;
    for (QAction *mode : {cap, num, und})
        EXPECT_FALSE(mode->isChecked());
    EXPECT_EQ(main.namingMode(), NamingMode::Format);

    struct Step
    {
        QAction *clicked;
        bool cap, num, und;
        NamingMode mode;
    };
    const Step steps[] = {
        {cap, true, false, false, NamingMode::Capitalize},
        {num, false, true, false, NamingMode::RemoveNumbers},
        {und, false, false, true, NamingMode::RemoveUnderscore},
        {und, false, false, false, NamingMode::Format},
        {und, false, false, true, NamingMode::RemoveUnderscore},
        {cap, true, false, false, NamingMode::Capitalize},
        {cap, false, false, false, NamingMode::Format},
    };
    for (const Step &step : steps) {
        step.clicked->trigger();
        EXPECT_EQ(cap->isChecked(), step.cap);
        EXPECT_EQ(num->isChecked(), step.num);
        EXPECT_EQ(und->isChecked(), step.und);
        EXPECT_EQ(main.namingMode(), step.mode);
    }
}

TEST_F(MainWindowControls, TypedFolderAndEnterMovesTheLists)
{
    QDir(music()).mkpath(QStringLiteral("Sub Folder"));
    temp.write(QStringLiteral("music/Sub Folder/song.mp3"), "x");
    frmRenamer &main = open();
    main.show();
    EXPECT_EQ(main.Dir1->path(), QDir(music()).canonicalPath());

    main.txtDir->setFocus();
    QTest::keyClicks(main.txtDir, music() + QStringLiteral("/Sub Folder"));
    QTest::keyClick(main.txtDir, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(main.Dir1->path(), QDir::cleanPath(music() + QStringLiteral("/Sub Folder")));
    EXPECT_EQ(main.File1->path(), main.Dir1->path());
    EXPECT_EQ(main.File1->listCount(), 1);
    EXPECT_EQ(main.Drive1->currentText(), DriveBox::driveOf(music()));

    // A folder that is not there changes nothing and says nothing.
    main.txtDir->setText(music() + QStringLiteral("/missing"));
    QTest::keyClick(main.txtDir, Qt::Key_Enter);
    EXPECT_EQ(main.Dir1->path(), QDir::cleanPath(music() + QStringLiteral("/Sub Folder")));
    // Other keys only type.
    QTest::keyClick(main.txtDir, Qt::Key_A);
    EXPECT_EQ(main.Dir1->path(), QDir::cleanPath(music() + QStringLiteral("/Sub Folder")));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(MainWindowControls, FolderListShowsAncestorsAndSubFolders)
{
    QDir(music()).mkpath(QStringLiteral("b"));
    QDir(music()).mkpath(QStringLiteral("A"));
    frmRenamer &main = open();
    main.show();
    const int n = main.Dir1->count();
    ASSERT_GE(n, 3);
    EXPECT_EQ(main.Dir1->item(n - 2)->text().trimmed(), QStringLiteral("A"));
    EXPECT_EQ(main.Dir1->item(n - 1)->text().trimmed(), QStringLiteral("b"));
    EXPECT_EQ(main.Dir1->item(0)->text(), QStringLiteral("/"));

    // Opening a sub-folder moves the file list with it; opening an ancestor goes back up.
    temp.write(QStringLiteral("music/b/x.mp3"), "x");
    main.Dir1->setCurrentRow(n - 1);
    QTest::keyClick(main.Dir1, Qt::Key_Return);
    EXPECT_EQ(main.Dir1->path().toStdString(), QDir::cleanPath(music() + QStringLiteral("/b")).toStdString());
    EXPECT_EQ(main.File1->listCount(), 1);
    Q_EMIT main.Dir1->itemActivated(main.Dir1->item(0));
    EXPECT_EQ(main.Dir1->path(), QStringLiteral("/"));
}

TEST_F(MainWindowControls, FolderListKeepsTheFolderHighlightedAfterAClickOnItsEmptySpace)
{
    frmRenamer &main = open();
    main.show();
    QListWidgetItem *folder = main.Dir1->currentItem();
    ASSERT_EQ(main.Dir1->selectedItems(), QList<QListWidgetItem *>{folder});
    const QPoint empty(5, main.Dir1->viewport()->height() - 5);
    ASSERT_EQ(main.Dir1->itemAt(empty), nullptr);
    QTest::mouseClick(main.Dir1->viewport(), Qt::LeftButton, {}, empty);
    EXPECT_EQ(main.Dir1->selectedItems(), QList<QListWidgetItem *>{folder});
}

TEST_F(MainWindowControls, TypeFilterAndCaseInsensitiveSort)
{
    for (const char *name : {"b.TXT", "A.txt", "c.txt", "song.mp3", "Z.doc"})
        touch(QString::fromLatin1(name));
    frmRenamer &main = open();
    main.lstType->setCurrentRow(7);
    ASSERT_EQ(main.File1->pattern(), QStringLiteral("*.txt"));
    QStringList names;
    for (int i = 0; i < main.File1->listCount(); ++i)
        names << main.File1->list(i);
    EXPECT_EQ(names, QStringList({"A.txt", "b.TXT", "c.txt"}));
}

TEST_F(MainWindowControls, TypeListShowsEveryPatternWholeBesideItsScrollBar)
{
    frmRenamer &main = open();
    main.show();
    EXPECT_EQ(main.lstType->textElideMode(), Qt::ElideNone);
    // The entries start after the item views' text margin and end where the view, cut
    // short by its scroll bar, stops showing them.
    const int margin = main.lstType->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, main.lstType) + 1;
    const int room = main.lstType->viewport()->width() - margin;
    for (int row = 0; row < main.lstType->count(); ++row) {
        const QString text = main.lstType->item(row)->text();
        EXPECT_LE(main.lstType->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
    }
}

TEST_F(MainWindowControls, EnableControlsSwitchesTheBrowsingControlsTogether)
{
    frmRenamer &main = open();
    for (bool enabled : {false, true, false}) {
        main.EnableControls(enabled);
        for (QWidget *w : {static_cast<QWidget *>(main.Drive1), static_cast<QWidget *>(main.Dir1),
                           static_cast<QWidget *>(main.txtDir), static_cast<QWidget *>(main.lstType),
                           static_cast<QWidget *>(main.File1)})
            EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
        for (QAction *a : {main.menus().mnuCap, main.menus().mnuRemoveNumbers, main.menus().mnuRemoveUnderscore})
            EXPECT_EQ(a->isEnabled(), enabled);
        // Only the three mode entries go with the browsing controls.
        EXPECT_TRUE(main.menus().mnuPref->isEnabled());
        EXPECT_TRUE(main.lstFiles->isEnabled());
    }
}

TEST_F(MainWindowControls, ControlThenCOnTxtCancelEndsTheAutomaticTagging)
{
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3"})
        touch(QString::fromLatin1(name));
    frmRenamer &main = open();
    main.show();
    struct Case
    {
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        int expected;
    };
    const Case cases[] = {
        {{{Qt::Key_Control, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier}}, 3},
        {{{Qt::Key_Control, Qt::ControlModifier}, {Qt::Key_C, Qt::NoModifier}}, 3}, // released first
        {{{Qt::Key_C, Qt::NoModifier}}, 0},
        {{{Qt::Key_Control, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}}, 0},
        {{{Qt::Key_Control, Qt::ControlModifier}, {Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_C, Qt::NoModifier}}, 0},
    };
    for (const Case &c : cases) {
        main.setAutoTagIndex(0);
        main.setLastKey(0);
        for (const auto &[key, mods] : c.keys)
            QTest::keyPress(main.txtCancel, key, mods);
        EXPECT_EQ(main.autoTagIndex(), c.expected);
        EXPECT_EQ(main.txtCancel->text(), QStringLiteral("Cancel"));
    }
}

TEST_F(MainWindowControls, TxtCancelKeepsTheFocusOnlyWhileBusy)
{
    frmRenamer &main = open();
    main.show();
    QApplication::setActiveWindow(&main);
    main.setBusy(true);
    main.txtCancel->setFocus();
    main.txtDir->setFocus();
    EXPECT_TRUE(main.txtCancel->hasFocus());

    main.setBusy(false);
    main.txtDir->setFocus();
    EXPECT_TRUE(main.txtDir->hasFocus());
}

TEST_F(MainWindowControls, TagMenuAndEditorOnlyForMp3FilesWhileBrowsing)
{
    touch(QStringLiteral("a.mp3"));
    touch(QStringLiteral("notes.txt"));
    EditorScript script;
    frmRenamer &main = open();
    main.show();

    struct Case
    {
        int typeRow;
        bool previewing;
        bool opens;
    };
    for (const Case &c : {Case{0, false, true}, Case{7, false, false}, Case{0, true, false}}) {
        main.lstType->setCurrentRow(c.typeRow);
        clickRow(main.File1, 0);
        const QPoint row0 = main.File1->visualRect(main.File1->model()->index(0, 0)).center();
        if (c.previewing)
            main.EnableControls(false);
        clips.played.clear();
        QTest::mouseClick(main.File1->viewport(), Qt::RightButton, {}, row0);
        EXPECT_EQ(main.menus().mnuTag->isVisible(), c.opens) << c.typeRow;
        EXPECT_EQ(clips.played, c.opens ? std::vector<Clip>{Clip::Menu} : std::vector<Clip>{});
        main.menus().mnuTag->hide();
        script.shown.clear();
        if (c.opens)
            script.then(EditorScript::cancel());
        main.File1_DblClick();
        EXPECT_EQ(script.shown.size(), c.opens ? 1 : 0) << c.typeRow;
        main.EnableControls(true);
    }
    main.lstType->setCurrentRow(0);
    clickRow(main.File1, 0);
    QTest::mouseClick(main.File1->viewport(), Qt::RightButton, {},
                      main.File1->visualRect(main.File1->model()->index(0, 0)).center());
    main.menus().mnuTag->hide();
    EXPECT_EQ(main.File1->selectedNames(), QStringList({"a.mp3"})) << "a right click keeps the selection";
}

TEST_F(MainWindowControls, EmptyFolderRefusesTheTagEditor)
{
    frmRenamer &main = open();
    main.File1_DblClick();
    main.File1_MouseDown(Qt::RightButton, {});
    EXPECT_EQ(forms->tags().loadedEditor(), nullptr);
    EXPECT_FALSE(main.menus().mnuTag->isVisible());
}

TEST_F(MainWindowControls, EnqueueDoesNothingWithTheOptionUnchecked)
{
    touch(QStringLiteral("a.mp3"));
    touch(QStringLiteral("b.mp3"));
    frmRenamer &main = open();
    main.File1->selectAll();
    forms->preferences().setOption(Preferences::PlayerLocation, false);
    main.menus().mnuEnqueue->trigger();
    EXPECT_EQ(linksMade, 0);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(MainWindowControls, EnqueueHandsTheSelectionOverInListOrder)
{
    touch(QStringLiteral("b.mp3"));
    touch(QStringLiteral("a.mp3"));
    touch(QStringLiteral("c.mp3"));
    temp.write(QStringLiteral("app/renamer.ini"),
               "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"" + music().toUtf8()
                   + "\"\r\n\"NoSplash\"\r\n\"NoSound\"\r\n\"/usr/bin/vlc\"\r\n");
    Forms &f = start();
    Main(f);
    frmRenamer &main = f.Renamer();
    EXPECT_TRUE(f.preferences().winampLocation());
    main.File1->setSelected(2, true);
    main.File1->setSelected(0, true);
    main.menus().mnuEnqueue->trigger();
    const QString dir = main.File1->path();
    EXPECT_EQ(sent, QStringList({dir + "/a.mp3", dir + "/c.mp3"}));
}

TEST_F(MainWindowControls, MinimiseLabelMinimisesWithoutANotificationArea)
{
    Forms &f = start({}, true);
    f.preferences().setOption(Preferences::Splash, false);
    Main(f);
    frmRenamer &main = f.Renamer();
    ASSERT_TRUE(main.isVisible());
    QTest::mousePress(main.lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    EXPECT_TRUE(main.isMinimized());
    EXPECT_FALSE(main.tray() && main.tray()->inTray());
    EXPECT_EQ(clips.played, std::vector<Clip>{Clip::Min});
    main.showNormal();
    EXPECT_EQ(clips.played, (std::vector<Clip>{Clip::Min, Clip::Max}));
}

TEST_F(MainWindowControls, CloseLabelAndExitEndTheProgram)
{
    frmRenamer &main = open();
    main.show();
    QTest::mousePress(main.lblMenu(MenuIndex::Close), Qt::LeftButton);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(forms->prefLoaded() && forms->Pref().isVisible());
    main.menus().mnuExit->trigger();
    EXPECT_EQ(quits, 1) << "the program ends once";
}

TEST_F(MainWindowControls, ResetsRunFromTheListedControls)
{
    frmRenamer &main = open();
    main.show();
    struct Case
    {
        QWidget *control;
        bool resetsMenuBar;
    };
    for (const Case &c : {Case{main.File1->viewport(), true}, Case{main.Dir1->viewport(), true},
                          Case{main.lstFiles->viewport(), true}, Case{main.txtDir, false},
                          Case{main.lstType->viewport(), false}, Case{main.Drive1, false}}) {
        main.HighlightMenu(MenuIndex::File);
        QTest::mouseMove(main.picButton(2));
        ASSERT_TRUE(main.picButton(0)->isVisible());
        QTest::mouseMove(c.control, c.control->rect().center());
        const bool buttonsReset = c.control != main.Drive1;
        EXPECT_EQ(main.picButton(2)->isVisible(), buttonsReset) << c.control->objectName().toStdString();
        EXPECT_EQ(!main.lblMenu(MenuIndex::File)->font().underline(), c.resetsMenuBar);
        main.ResetButtons();
    }
}

} // namespace

namespace {

TEST_F(MainWindowControls, PreferencesAndAboutOpenModallyAboveTheMainWindow)
{
    frmRenamer &main = open();
    main.show();
    bool prefModal = false;
    QTimer::singleShot(0, [&] {
        prefModal = forms->Pref().isVisible() && forms->Pref().isModal();
        click(forms->Pref().picButton(1)); // Cancel
    });
    main.menus().mnuPref->trigger();
    EXPECT_TRUE(prefModal);
    EXPECT_FALSE(forms->prefLoaded() && forms->Pref().isVisible());
    EXPECT_EQ(main.Dir1->path(), QDir(music()).canonicalPath()) << "no renamer.ini: Cancel moves nothing";

    // Cancel reloads a file saved meanwhile: the main window goes to its folder.
    QDir(temp.path()).mkpath(QStringLiteral("stored"));
    temp.write(QStringLiteral("app/renamer.ini"), "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\""
                   + temp.filePath(QStringLiteral("stored")).toUtf8() + "\"\r\n");
    QTimer::singleShot(0, [&] { click(forms->Pref().picButton(1)); });
    main.menus().mnuPref->trigger();
    EXPECT_EQ(main.Dir1->path(), QDir::cleanPath(temp.filePath(QStringLiteral("stored"))));
    EXPECT_TRUE(forms->preferences().defaultDirectoryOn());

    QString aboutTitle;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *about = qobject_cast<ChromeWindow *>(w); about && about->isVisible() && about != &main) {
                aboutTitle = about->lblMenu(MenuIndex::Title)->text();
                click(about->picButton(2)); // OK
            }
    });
    main.menus().mnuAbout->trigger();
    EXPECT_EQ(aboutTitle, QStringLiteral("About Marlune"));
    EXPECT_TRUE(main.isVisible());
}

} // namespace
