// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MainWindowFixture.h"
#include "FocusFrame.h"
#include "TagCommands.h"
#include "frmAbout2.h"
#include "frmTag.h"

#include <QApplication>

// The main window and its children from the keyboard, through real key events.

namespace {

class KeyboardThroughWindow : public MainWindowFixture
{
protected:
    frmRenamer &activeMain()
    {
        frmRenamer &main = open();
        main.show();
        QApplication::setActiveWindow(&main);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        return main;
    }

    static QWidget *tab(Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mods);
        return QApplication::focusWidget();
    }
};

TEST_F(KeyboardThroughWindow, TabWalksTheControlsThenTheButtonsAndNeverEntersTxtCancel)
{
    frmRenamer &main = activeMain();
    ASSERT_EQ(QApplication::focusWidget(), main.Dir1);
    const QWidget *order[] = {main.File1, main.lstFiles, main.txtDir, main.lstType, main.picButton(2),
                              main.picButton(1), main.Drive1, main.Dir1};
    for (const QWidget *next : order)
        EXPECT_EQ(tab(), next) << next->objectName().toStdString();
    EXPECT_EQ(tab(Qt::ShiftModifier), main.Drive1);
    EXPECT_EQ(tab(Qt::ShiftModifier), main.picButton(1));
}

TEST_F(KeyboardThroughWindow, TabLeavesTxtCancelUnlessTheTaggingHoldsTheKeyboard)
{
    frmRenamer &main = activeMain();
    for (const bool busy : {false, true}) {
        for (const Qt::KeyboardModifiers mods : {Qt::NoModifier, Qt::ShiftModifier}) {
            main.setBusy(busy);
            main.txtCancel->setFocus();
            main.setLastKey(17);
            EXPECT_EQ(tab(mods) == main.txtCancel, busy) << busy << " " << mods;
            EXPECT_NE(main.lastKey(), 9) << "Tab never reaches the cancel key's handler";
        }
    }
    main.setBusy(false);
}

TEST_F(KeyboardThroughWindow, EveryControlOfEveryWindowHasAnAccessibleName)
{
    touch(QStringLiteral("a.mp3"));
    frmRenamer &main = activeMain();
    frmTag &editor = forms->tags().editor();
    frmAbout2 about(forms->chromeContext(), dialogs, app());
    for (ChromeWindow *window : std::initializer_list<ChromeWindow *>{&main, &forms->Pref(), &editor, &about}) {
        window->show();
        for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isWindow() || control == window->focusFrame())
                continue;
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << window->objectName().toStdString() << "/" << control->objectName().toStdString();
        }
        window->hide();
    }
    EXPECT_EQ(main.picButton(0)->accessibleName(), QStringLiteral("Preview"));
    EXPECT_EQ(main.Dir1->accessibleName(), QStringLiteral("Select Directory"));
    EXPECT_EQ(forms->Pref().chkOpt(0)->accessibleName(), QStringLiteral("Always On Top"));
}

} // namespace
