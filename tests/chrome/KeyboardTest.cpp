#include "ChromeTestWindow.h"
#include "FocusFrame.h"
#include "Twips.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

namespace {

class Keyboard : public ChromeFixture
{
protected:
    // Shown and active, as a window must be for its Alt shortcuts and focus.
    void activate(ChromeWindow &window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(Keyboard, AltAndTheUnderlinedLetterPopsUpTheLabelMenuWhereAClickWould)
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
        MenuLabel *label = main->lblMenu(rows[i].label);
        send(label, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
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

TEST_F(Keyboard, ButtonsFollowTheOtherControlsInTheTabOrderAndClickOnEnterOrSpace)
{
    auto window = makeThreeButtonWindow();
    auto *box = new QLineEdit(window.get());
    activate(*window);
    ASSERT_EQ(QApplication::focusWidget(), box) << "a window opens on its first control, not a button";
    QSignalSpy clicked(window.get(), &ChromeWindow::buttonClicked);
    for (int plain : {2, 1, 5}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), window->picButton(plain));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            QTest::keyClick(window->picButton(plain), key);
            ASSERT_FALSE(clicked.isEmpty()) << plain;
            EXPECT_EQ(clicked.takeFirst().at(0).toInt(), plain);
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(window->iMouseButton, 0) << "the keyboard's click is not a mouse press";

    window->setBusy(true);
    QTest::keyClick(window->picButton(2), Qt::Key_Return);
    EXPECT_TRUE(clicked.isEmpty()) << "a busy window takes no click";
}

TEST_F(Keyboard, TheFocusedButtonKeepsTheKeyboardWhileItLightsAndResets)
{
    auto main = makeMainWindow();
    activate(*main);
    main->picButton(2)->setFocus(Qt::TabFocusReason);
    hover(main->picButton(2));
    EXPECT_EQ(QApplication::focusWidget(), main->picButton(0));
    EXPECT_EQ(main->focusFrame()->framed(), main->picButton(0));
    main->ResetButtons();
    EXPECT_EQ(QApplication::focusWidget(), main->picButton(2));
}

TEST_F(Keyboard, FocusFrameSurroundsTheFocusedControlOnly)
{
    auto window = makeThreeButtonWindow();
    auto *box = new QLineEdit(window.get());
    box->setGeometry(40, 60, 100, 20);
    activate(*window);
    box->setFocus();
    FocusFrame *frame = window->focusFrame();
    ASSERT_EQ(frame->framed(), box);
    EXPECT_TRUE(frame->geometry().contains(box->geometry()));
    EXPECT_FALSE(frame->geometry().adjusted(4, 4, -4, -4).intersects(box->geometry().adjusted(4, 4, -4, -4))
                 && frame->geometry().width() > box->width() + 8)
        << "a thin outline around the control, not a cover";

    box->move(50, 90);
    EXPECT_TRUE(frame->geometry().contains(box->geometry())) << "it follows the control";
    window->picButton(2)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(frame->geometry().contains(window->picButton(2)->geometry()));
    box->clearFocus();
    window->picButton(2)->clearFocus();
    EXPECT_EQ(frame->framed(), nullptr);
    EXPECT_FALSE(frame->isVisible());
}

} // namespace
