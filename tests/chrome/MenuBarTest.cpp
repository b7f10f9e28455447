// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeTestWindow.h"
#include "LabelMenuBar.h"
#include "MenuLabelLayout.h"

#include <QMenu>

namespace {

class MenuBar : public ChromeFixture
{
protected:
    void SetUp() override
    {
        main = makeMainWindow();
        main->move(100, 100);
        main->show();
    }

    std::unique_ptr<ChromeWindow> main;
};

TEST_F(MenuBar, EightLabelsWithTheirCaptionsAndPlaces)
{
    const auto labels = mainMenuLabels();
    for (const MenuLabelSpec &spec : labels) {
        MenuLabel *label = main->lblMenu(spec.index);
        ASSERT_NE(label, nullptr) << spec.index;
        if (spec.index == MenuIndex::Title)
            continue;
        EXPECT_EQ(label->text(), spec.caption);
        EXPECT_EQ(label->geometry(), QRect(spec.left / 15, spec.top / 15, spec.width / 15, spec.height / 15))
            << spec.index;
        EXPECT_EQ(foreColor(label), kWhiteCaption);
    }
    // The title is centred: (7275 - 1905) / 2 twips.
    EXPECT_EQ(main->lblMenu(MenuIndex::Title)->text(), QStringLiteral("Marlune"));
    EXPECT_EQ(main->lblMenu(MenuIndex::Title)->geometry(), QRect(179, 4, 127, 16));
    EXPECT_EQ(main->imgBar()->geometry(), QRect(0, 4, 485, 19));
}

TEST_F(MenuBar, HoverHighlightsOneLabelAndUnderlinesOnlyMenus)
{
    for (int hovered = 0; hovered < 8; ++hovered) {
        hover(main->lblMenu(hovered), {3, 3});
        for (int i = 0; i < 8; ++i) {
            MenuLabel *label = main->lblMenu(i);
            EXPECT_EQ(foreColor(label), i == hovered ? kYellowCaption : kWhiteCaption) << hovered << i;
            EXPECT_EQ(label->font().underline(), i == hovered && isMenuLabel(i)) << hovered << i;
        }
    }
    hover(main->imgBar(), {100, 5});
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(foreColor(main->lblMenu(i)), kWhiteCaption);
        EXPECT_FALSE(main->lblMenu(i)->font().underline());
    }
}

TEST_F(MenuBar, HoverClipPlaysOncePerLabelEvenWhileBusy)
{
    main->setBusy(true);
    hover(main->lblMenu(MenuIndex::File));
    hover(main->lblMenu(MenuIndex::File), {5, 8});
    EXPECT_EQ(main->menuBar().iLastMenuSound(), MenuIndex::File);
    hover(main->lblMenu(MenuIndex::Options));
    EXPECT_EQ(clips.played, std::vector<Clip>(2, Clip::Beep));
    EXPECT_EQ(foreColor(main->lblMenu(MenuIndex::Options)), kYellowCaption);
}

TEST_F(MenuBar, ReleasePopsUpTheMenuUnderTheLabel)
{
    struct Row { int index; QPoint twipsAt; };
    const Row rows[] = {{MenuIndex::File, {262, 660}}, {MenuIndex::Help, {5870, 660}},
                        {MenuIndex::Tag, {3142, 660}}};
    for (const Row &row : rows) {
        QMenu menu;
        menu.addAction(QStringLiteral("E&xit"));
        main->setLabelMenu(row.index, &menu);
        clips.played.clear();

        QTest::mouseClick(main->lblMenu(row.index), Qt::RightButton);
        EXPECT_FALSE(menu.isVisible());
        EXPECT_TRUE(clips.played.empty());

        QTest::mouseClick(main->lblMenu(row.index), Qt::LeftButton);
        EXPECT_TRUE(menu.isVisible()) << row.index;
        EXPECT_EQ(main->popupPoint(row.index), row.twipsAt);
        const QPoint px(qRound(row.twipsAt.x() / 15.0), qRound(row.twipsAt.y() / 15.0));
        EXPECT_EQ(menu.pos(), main->mapToGlobal(px)) << row.index;
        EXPECT_EQ(clips.played, std::vector<Clip>{Clip::Menu});
        menu.hide();
    }
}

TEST_F(MenuBar, MenuClipNeedsTheSoundsOption)
{
    settings.sound = false;
    QTest::mouseClick(main->lblMenu(MenuIndex::Update), Qt::LeftButton);
    QTest::mouseClick(main->lblMenu(MenuIndex::Minimise), Qt::RightButton);
    EXPECT_TRUE(clips.played.empty());
    EXPECT_FALSE(main->isMinimized());
}

TEST_F(MenuBar, MinimiseAndCloseLabelsActOnTheLeftPress)
{
    int hidden = 0, exited = 0;
    main->setHideToTray([&] { ++hidden; });
    main->setExitProgram([&] { ++exited; });
    QTest::mousePress(main->lblMenu(MenuIndex::Close), Qt::RightButton);
    QTest::mousePress(main->lblMenu(MenuIndex::Minimise), Qt::RightButton);
    EXPECT_EQ(hidden + exited, 0);
    QTest::mousePress(main->lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    QTest::mousePress(main->lblMenu(MenuIndex::Close), Qt::LeftButton);
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(exited, 1);
}

TEST_F(MenuBar, MinimiseLabelMinimisesWithItsClipUntilATrayExists)
{
    QTest::mousePress(main->lblMenu(MenuIndex::Minimise), Qt::LeftButton);
    EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(clips.played, std::vector<Clip>{Clip::Min});
    main->showNormal();
    EXPECT_EQ(clips.played, (std::vector<Clip>{Clip::Min, Clip::Max}));
}

TEST_F(MenuBar, SecondaryWindowTitleTurnsYellowWithoutUnderline)
{
    auto pref = makeThreeButtonWindow();
    pref->show();
    EXPECT_EQ(pref->lblMenu(MenuIndex::File), nullptr);
    MenuLabel *title = pref->lblMenu(MenuIndex::Title);
    EXPECT_EQ(title->x(), (pref->width() - title->width()) / 2);
    hover(title);
    EXPECT_EQ(foreColor(title), kYellowCaption);
    EXPECT_FALSE(title->font().underline());
    EXPECT_EQ(pref->menuBar().iLastMenuSound(), MenuIndex::Title);
    hover(pref->imgBar());
    EXPECT_EQ(foreColor(title), kWhiteCaption);
    EXPECT_EQ(pref->menuBar().iLastMenuSound(), -1);
}

} // namespace
