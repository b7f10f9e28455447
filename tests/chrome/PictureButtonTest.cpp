// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeTestWindow.h"
#include "LabelMenuBar.h"
#include "PictureButtonBar.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>

namespace {

class PictureButtons : public ChromeFixture
{
protected:
    void SetUp() override
    {
        main = makeMainWindow();
        main->show();
        log.watch(*main, {0, 1, 2, 3});
    }

    bool shown(int index) const { return main->picButton(index)->isVisible(); }

    std::unique_ptr<ChromeWindow> main;
    VisibilityLog log;
};

TEST_F(PictureButtons, LoadShowsPlainMembersAndUnderlinesLitCaptions)
{
    for (int index : {2, 1})
        EXPECT_TRUE(shown(index));
    for (int index : {0, 3})
        EXPECT_FALSE(shown(index));
    for (int index : {0, 1, 2, 3}) {
        const bool lit = index == 0 || index == 3;
        EXPECT_EQ(foreColor(main->lblButton(index)), lit ? kYellowCaption : kWhiteCaption) << index;
        EXPECT_EQ(main->lblButton(index)->font().underline(), lit) << index;
    }
    EXPECT_EQ(main->lblButton(2)->text(), QStringLiteral("Preview"));
    EXPECT_EQ(main->picButton(2)->pos(), main->picButton(0)->pos());
    EXPECT_EQ(main->picButton(2)->geometry(), QRect(108, 284, 90, 31));
    EXPECT_EQ(main->buttons().iLastButtonSound(), -1);
    EXPECT_EQ(main->menuBar().iLastMenuSound(), -1);
}

TEST_F(PictureButtons, HoverLightsAndTheLitMemberPlaysOnceMore)
{
    hover(main->picButton(2));
    EXPECT_EQ(log.entries, QStringList({"-2", "+0"}));
    EXPECT_EQ(clips.played, std::vector<Clip>{Clip::Beep});
    EXPECT_EQ(main->buttons().iLastButtonSound(), 2);

    hover(main->picButton(0));
    hover(main->picButton(0), {40, 12});
    EXPECT_EQ(clips.played, std::vector<Clip>(2, Clip::Beep));
    EXPECT_EQ(main->buttons().iLastButtonSound(), 0);
    EXPECT_TRUE(shown(0));
    EXPECT_EQ(log.entries.size(), 2);
}

TEST_F(PictureButtons, MovingFromOneButtonToAnotherSwapsInOrder)
{
    hover(main->picButton(2));
    hover(main->picButton(0));
    log.entries.clear();
    hover(main->picButton(1));
    EXPECT_EQ(log.entries, QStringList({"+2", "-0", "+3", "-1"}));
    EXPECT_EQ(clips.played.size(), 3u);
    EXPECT_EQ(main->buttons().iLastButtonSound(), 1);
}

TEST_F(PictureButtons, ThreeButtonWindowChangesInItsOwnOrder)
{
    auto pref = makeThreeButtonWindow();
    pref->show();
    VisibilityLog order;
    order.watch(*pref, {0, 1, 2, 3, 4, 5});
    hover(pref->picButton(5));
    EXPECT_EQ(order.entries, QStringList({"+4", "-5"}));
    order.entries.clear();
    hover(pref->picButton(1));
    EXPECT_EQ(order.entries, QStringList({"+3", "-1", "-4", "+5"}));
    order.entries.clear();
    pref->ResetButtons();
    EXPECT_EQ(order.entries, QStringList({"+1", "-3"}));
    for (int lit : {0, 3, 4})
        EXPECT_TRUE(pref->lblButton(lit)->font().underline()) << lit;
}

TEST_F(PictureButtons, SoundsOffLightsTheSameButPlaysNothing)
{
    settings.sound = false;
    hover(main->picButton(2));
    hover(main->picButton(0));
    EXPECT_TRUE(shown(0));
    EXPECT_FALSE(shown(2));
    EXPECT_TRUE(clips.played.empty());
    EXPECT_EQ(main->buttons().iLastButtonSound(), -1);
}

TEST_F(PictureButtons, BusyWindowNeitherLightsNorClicks)
{
    QSignalSpy clicked(&main->buttons(), &PictureButtonBar::clicked);
    main->setBusy(true);
    ASSERT_TRUE(main->busy());
    hover(main->picButton(2));
    EXPECT_TRUE(shown(2));
    EXPECT_TRUE(clips.played.empty());
    QTest::mouseClick(main->picButton(2), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 0);

    main->setBusy(false);
    EXPECT_FALSE(main->busy());
    QTest::mouseClick(main->picButton(2), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
}

TEST_F(PictureButtons, OnlyALeftClickRunsTheCommand)
{
    QSignalSpy clicked(&main->buttons(), &PictureButtonBar::clicked);
    QTest::mouseClick(main->picButton(1), Qt::RightButton);
    EXPECT_EQ(main->buttons().iMouseButton(), 2);
    QTest::mouseClick(main->picButton(1), Qt::MiddleButton);
    EXPECT_EQ(main->buttons().iMouseButton(), 4);
    EXPECT_EQ(clicked.count(), 0);

    // Pressed over the button, released away from it: no click.
    QTest::mousePress(main->picButton(1), Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(main->picButton(1), Qt::LeftButton, {}, {200, 5});
    EXPECT_EQ(clicked.count(), 0);

    hover(main->picButton(2));
    QTest::mouseClick(main->picButton(0), Qt::LeftButton);
    QTest::mouseClick(main->picButton(1), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 0);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 1);
}

TEST_F(PictureButtons, ListedControlsResetUnlistedOnesDoNot)
{
    QListWidget files(main.get());
    QComboBox drive(main.get());
    ChromeWindow::place(&files, 2640, 720, 4575, 1650);
    ChromeWindow::place(&drive, 60, 720, 2535, 315);
    files.show();
    drive.show();
    main->resetOnMouseMove(&files, {ChromeWindow::Reset::MenuBar, ChromeWindow::Reset::Buttons});

    hover(main->picButton(2));
    hover(main->picButton(0));
    drive.setMouseTracking(true);
    hover(&drive);
    EXPECT_TRUE(shown(0)) << "a control without a reset handler leaves the button lit";
    EXPECT_EQ(main->buttons().iLastButtonSound(), 0);

    log.entries.clear();
    hover(files.viewport());
    EXPECT_EQ(log.entries, QStringList({"+2", "-0"}));
    EXPECT_EQ(main->buttons().iLastButtonSound(), -1);

    hover(main->picButton(2));
    main->setBusy(true);
    hover(main.get(), {5, 200}); // the bare window surface resets, even while busy
    EXPECT_TRUE(shown(2));
    EXPECT_FALSE(shown(0));
}

TEST_F(PictureButtons, RenameCaptionGoesToBothMembers)
{
    main->setButtonCaption(0, QStringLiteral("Rename"));
    EXPECT_EQ(main->lblButton(0)->text(), QStringLiteral("Rename"));
    EXPECT_EQ(main->lblButton(2)->text(), QStringLiteral("Rename"));
    EXPECT_EQ(main->lblButton(1)->text(), QStringLiteral("Clear"));
}

} // namespace

// Windows name what a button does where they declare it; either member of a pair
// runs that button's action, and only that one, once per click.
TEST_F(ChromeFixture, EachButtonRunsItsOwnActionFromEitherMember)
{
    ChromeWindow window(context());
    QStringList ran;
    struct Row
    {
        int plain;
        int lit;
        QString name;
    };
    const Row rows[] = {{2, 0, QStringLiteral("Save")}, {1, 3, QStringLiteral("Cancel")},
                        {5, 4, QStringLiteral("Default")}};
    for (const Row &row : rows)
        window.addButtonPair(row.plain, row.lit, row.name, 240 + 1440 * (&row - rows), 3540,
                             [&ran, name = row.name] { ran << name; });
    window.setInnerSize(4710, 4230);
    window.show();
    for (const Row &row : rows) {
        ran.clear();
        QTest::mouseClick(window.picButton(row.plain), Qt::LeftButton);
        window.buttons().ResetButtons();
        hover(window.picButton(row.plain));
        ASSERT_TRUE(window.picButton(row.lit)->isVisible()) << row.name.toStdString();
        QTest::mouseClick(window.picButton(row.lit), Qt::LeftButton);
        EXPECT_EQ(ran, QStringList({row.name, row.name}));
    }
}
