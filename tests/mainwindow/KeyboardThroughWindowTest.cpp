#include "MainWindowFixture.h"
#include "FocusFrame.h"
#include "TagCommands.h"
#include "frmAbout2.h"
#include "frmTag.h"

#include <QApplication>
#include <QMouseEvent>

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
            main.iLastKey = 17;
            EXPECT_EQ(tab(mods) == main.txtCancel, busy) << busy << " " << mods;
            EXPECT_NE(main.iLastKey, 9) << "Tab never reaches the cancel key's handler";
        }
    }
    main.setBusy(false);
}

TEST_F(KeyboardThroughWindow, EnterOnAFocusedButtonRunsItsCommand)
{
    touch(QStringLiteral("x y.mp3"));
    frmRenamer &main = activeMain();
    main.mnuCap->trigger();
    main.File1->setSelected(0, true);
    main.picButton(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(main.picButton(2), Qt::Key_Return);
    EXPECT_EQ(items(main.lstFiles), QStringList({"X Y.mp3"}));
    main.picButton(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(main.picButton(1), Qt::Key_Space);
    EXPECT_EQ(main.lstFiles->count(), 0);
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

TEST_F(KeyboardThroughWindow, FolderListHighlightsTheFolderHoweverItWasEntered)
{
    QDir(music()).mkpath(QStringLiteral("sub"));
    frmRenamer &main = activeMain();
    const auto highlighted = [&main] {
        const QList<QListWidgetItem *> selected = main.Dir1->selectedItems();
        return selected.size() == 1 && selected.first() == main.Dir1->currentItem()
            && main.Dir1->currentItem()->text().trimmed() == QFileInfo(main.Dir1->path()).fileName();
    };
    EXPECT_TRUE(highlighted());

    const QRect sub = main.Dir1->visualItemRect(main.Dir1->item(main.Dir1->count() - 1));
    // As a window system delivers it: the second press comes before the double click.
    for (const auto &[type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     {QEvent::MouseButtonRelease, Qt::NoButton},
                                     {QEvent::MouseButtonPress, Qt::LeftButton},
                                     {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                     {QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent event(type, sub.center(), main.Dir1->viewport()->mapToGlobal(sub.center()), Qt::LeftButton,
                          held, Qt::NoModifier);
        QApplication::sendEvent(main.Dir1->viewport(), &event);
    }
    ASSERT_TRUE(main.Dir1->path().endsWith(QLatin1String("/sub")));
    EXPECT_TRUE(highlighted()) << "entered by double-click";

    const QPoint empty(5, main.Dir1->viewport()->height() - 5);
    ASSERT_EQ(main.Dir1->itemAt(empty), nullptr);
    QTest::mouseClick(main.Dir1->viewport(), Qt::LeftButton, {}, empty);
    EXPECT_TRUE(highlighted()) << "after a click on the empty space";

    main.txtDir->setText(music());
    QTest::keyClick(main.txtDir, Qt::Key_Return);
    EXPECT_TRUE(highlighted()) << "typed";
}

} // namespace
