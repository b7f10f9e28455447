// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeTestWindow.h"
#include "MenuLabelLayout.h"
#include "TitleStrip.h"
#include "TopMost.h"

#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

class Placement : public ChromeFixture
{
protected:
    void SetUp() override
    {
        main = makeMainWindow();
        main->move(200, 150);
        main->show();
        screen = main->screen()->geometry();
    }

    MenuLabel *title() const { return main->lblMenu(MenuIndex::Title); }

    // Press the title at pos, move the pointer by delta with the left button
    // held, release: what a user's drag sends to the grabbed label.
    void drag(QPoint pos, QPoint delta)
    {
        send(title(), QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        const QPoint global = title()->mapToGlobal(pos) + delta;
        send(title(), QEvent::MouseMove, title()->mapFromGlobal(global), Qt::NoButton, Qt::LeftButton);
        send(title(), QEvent::MouseButtonRelease, title()->mapFromGlobal(global), Qt::LeftButton,
             Qt::NoButton);
    }

    // Drops the window with its top-left corner at (x, y) pixels.
    void dropAt(int x, int y)
    {
        const QPoint from = main->pos();
        drag({20, 6}, QPoint(x, y) - from);
    }

    std::unique_ptr<ChromeWindow> main;
    QRect screen;
};

TEST_F(Placement, GrabPointIsRecordedInWindowTwips)
{
    ASSERT_EQ(title()->pos(), QPoint(179, 4));
    // 2685 + 157.5 = 2842.5 rounds to the even 2842; 2685 + 172.5 to 2858.
    send(title(), QEvent::MouseButtonPress, QPointF(10.5, 3), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(main->titleStrip().iGrabX(), 2842);
    EXPECT_EQ(main->titleStrip().iGrabY(), 105);
    send(title(), QEvent::MouseButtonPress, QPointF(11.5, 3), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(main->titleStrip().iGrabX(), 2858);
    send(title(), QEvent::MouseButtonPress, QPointF(10, 3), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(main->titleStrip().iGrabX(), 2858);
}

TEST_F(Placement, DragKeepsTheGrabPointUnderThePointer)
{
    settings.dock = false;
    const QPoint start = main->pos();
    drag({20, 6}, {37, -21});
    EXPECT_EQ(main->pos(), start + QPoint(37, -21));
    EXPECT_EQ(docks(), 0);

    // Moving without the left button held hovers only.
    send(title(), QEvent::MouseMove, QPointF(60, 6), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(main->pos(), start + QPoint(37, -21));
}

TEST_F(Placement, DockingMarginsOnDrop)
{
    struct Row { const char *name; QPoint drop; QPoint expected; bool clip; };
    const int right = screen.width() - main->width();
    const int bottomDocked = qRound((screen.height() * 15 - main->height() * 15 - 400) / 15.0);
    const Row rows[] = {
        // 24 px is 360 twips (snaps); 25 px is 375 twips (stays).
        {"left_inside_margin", {24, 200}, {0, 200}, true},
        {"left_at_margin", {25, 200}, {25, 200}, false},
        {"top_inside_margin", {200, 24}, {200, 0}, true},
        {"top_at_margin", {200, 25}, {200, 25}, false},
        {"corner_one_clip", {5, 5}, {0, 0}, true},
        {"right_edge", {right - 10, 200}, {right, 200}, true},
        {"right_at_margin", {right - 25, 200}, {right - 25, 200}, false},
        {"bottom_above_taskbar", {200, screen.height() - main->height() - 10}, {200, bottomDocked}, true},
        {"partly_below_screen", {200, screen.height() - 40}, {200, bottomDocked}, true},
    };
    for (const Row &row : rows) {
        clips.played.clear();
        dropAt(row.drop.x(), row.drop.y());
        EXPECT_EQ(main->pos() - screen.topLeft(), row.expected) << row.name;
        EXPECT_EQ(docks(), row.clip ? 1 : 0) << row.name;
    }
}

TEST_F(Placement, TaskbarHeightComesFromTheSettingAtEachDrop)
{
    const int bottom = screen.height() - main->height();
    for (const char *text : {"0", "", "1500"}) {
        settings.taskbar = QString::fromLatin1(text);
        dropAt(200, bottom - 5);
        EXPECT_EQ(main->y(), bottom - QString::fromLatin1(text).toInt() / 15) << text;
    }
}

TEST_F(Placement, DockingOffOrSoundsOff)
{
    settings.dock = false;
    dropAt(5, 5);
    EXPECT_EQ(main->pos(), QPoint(5, 5));
    EXPECT_EQ(docks(), 0);
    settings.dock = true;
    settings.sound = false;
    clips.played.clear();
    dropAt(5, 5);
    EXPECT_EQ(main->pos(), QPoint(0, 0));
    EXPECT_TRUE(clips.played.empty());
}

TEST_F(Placement, ClickOnTheTitleOfADockedWindowPlaysTheClipAgain)
{
    dropAt(0, 200);
    clips.played.clear();
    QTest::mouseClick(title(), Qt::LeftButton);
    EXPECT_EQ(clips.played, std::vector<Clip>{Clip::Dock});
    EXPECT_EQ(main->pos(), QPoint(0, 200));
}

TEST_F(Placement, TopmostBandChangesInPlace)
{
    const QPoint where = main->pos();
    MakeTopmost(main.get());
    EXPECT_TRUE(main->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->pos(), where);
    MakeNotTopmost(main.get());
    EXPECT_FALSE(main->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->pos(), where);

    settings.onTop = false;
    main->ApplyOnTop(main.get());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowStaysOnTopHint);
    settings.onTop = true;
    main->ApplyOnTop(main.get());
    EXPECT_TRUE(main->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Placement, ShowChildMovesTheTopmostBandToTheChild)
{
    for (bool onTop : {true, false}) {
        settings.onTop = onTop;
        main->ApplyOnTop(main.get());
        auto child = makeThreeButtonWindow();
        bool sawModal = false, childOnTop = false, mainOnTop = true;
        QWindow *owner = nullptr;
        QTimer::singleShot(0, child.get(), [&] {
            sawModal = child->isVisible() && child->isModal();
            childOnTop = child->windowFlags() & Qt::WindowStaysOnTopHint;
            mainOnTop = main->windowFlags() & Qt::WindowStaysOnTopHint;
            owner = child->windowHandle()->transientParent();
            child->hide();
        });
        main->ShowChild(child.get(), true);
        EXPECT_TRUE(sawModal);
        EXPECT_EQ(childOnTop, onTop);
        EXPECT_FALSE(mainOnTop);
        EXPECT_EQ(owner, main->windowHandle());
        EXPECT_FALSE(child->isVisible());
        main->ApplyOnTop(main.get());
        EXPECT_EQ(bool(main->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
        MakeNotTopmost(main.get());
    }
}

TEST_F(Placement, AChildOpensCentredOverItsOwnerUntilTheUserMovesIt)
{
    main->move(200, 150);
    auto child = makeThreeButtonWindow();
    main->ShowChild(child.get(), false);
    EXPECT_LE((child->frameGeometry().center() - main->frameGeometry().center()).manhattanLength(), 2);
    child->hide();

    child->move(10, 20); // as a drag by the title does
    main->ShowChild(child.get(), false);
    EXPECT_EQ(child->pos(), QPoint(10, 20));
}

TEST_F(Placement, ModalShowEndsWhenTheChildIsDestroyed)
{
    auto *child = new ChromeWindow(context());
    child->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, child, [child] { child->close(); });
    main->ShowChild(child, true);
    SUCCEED();
}

TEST_F(Placement, ModelessChildIsShownAndReturnsAtOnce)
{
    auto child = makeThreeButtonWindow();
    main->ShowChild(child.get(), false);
    EXPECT_TRUE(child->isVisible());
    EXPECT_FALSE(child->isModal());
}

} // namespace
