// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeTestWindow.h"
#include "FocusFrame.h"
#include "PictureButtonBar.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

namespace {

class Keyboard : public ChromeFixture
{
protected:
    // Shown and active, as a window must be for its Alt shortcuts and focus.
    static void activate(ChromeWindow &window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(Keyboard, AltAndTheMenusLetterPopsTheLabelMenuUpWhereAClickWould)
{
    auto main = makeMainWindow();
    const struct { int label; const char *title; Qt::Key key; } rows[] = {
        {0, "&File", Qt::Key_F}, {1, "&Options", Qt::Key_O}, {2, "&Help", Qt::Key_H},
        {6, "&Update", Qt::Key_U}, {7, "&Tag", Qt::Key_T},
    };
    std::vector<std::unique_ptr<QMenu>> menus;
    for (const auto &row : rows) {
        menus.push_back(std::make_unique<QMenu>(QString::fromLatin1(row.title)));
        menus.back()->addAction(QStringLiteral("entry"));
        main->setLabelMenu(row.label, menus.back().get());
    }
    activate(*main);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        QMenu &menu = *menus[i];
        send(main->lblMenu(rows[i].label), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        ASSERT_TRUE(menu.isVisible()) << rows[i].title;
        const QPoint clicked = menu.pos();
        menu.hide();
        clips.played.clear();
        QTest::keyClick(main.get(), rows[i].key, Qt::AltModifier);
        EXPECT_TRUE(menu.isVisible()) << rows[i].title;
        EXPECT_EQ(menu.pos(), clicked) << rows[i].title;
        EXPECT_EQ(clips.played, std::vector<Clip>{Clip::Menu}) << rows[i].title;
        menu.hide();
    }
}

TEST_F(Keyboard, ButtonsComeAfterTheControlsKeepTheFocusWhileLitAndClickOnEnterOrSpace)
{
    auto window = makeThreeButtonWindow();
    auto *box = new QLineEdit(window.get());
    activate(*window);
    ASSERT_EQ(QApplication::focusWidget(), box) << "a window opens on its first control, not a button";
    QSignalSpy clicked(&window->buttons(), &PictureButtonBar::clicked);
    for (int plain : {2, 1, 5}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), window->picButton(plain));
        EXPECT_EQ(window->focusFrame()->framed(), window->picButton(plain));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(window->picButton(plain), key);
        EXPECT_EQ(clicked.size(), 2);
        EXPECT_EQ(clicked.takeFirst().at(0).toInt(), plain);
        clicked.clear();
    }
    EXPECT_EQ(window->buttons().iMouseButton(), 0) << "the keyboard's click is no mouse press";

    // The lit member takes over the keyboard with the picture, and gives it back.
    hover(window->picButton(5));
    EXPECT_EQ(QApplication::focusWidget(), window->picButton(4));
    window->ResetButtons();
    EXPECT_EQ(QApplication::focusWidget(), window->picButton(5));
    QTest::keyClick(window->picButton(5), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box);

    window->setBusy(true);
    box->setFocus();
    EXPECT_FALSE(window->focusFrame()->geometry().intersects(window->picButton(5)->geometry()));
    QTest::keyClick(window->picButton(2), Qt::Key_Return);
    EXPECT_TRUE(clicked.isEmpty()) << "a busy window takes no click";
}

} // namespace
