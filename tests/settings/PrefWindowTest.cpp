// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PrefFixture.h"

#include "MenuLabel.h"

#include <QClipboard>
#include <QImage>
#include <QLabel>

namespace {

using PrefWindow = PrefFixture;

struct Placed
{
    const char *name;
    QRect twipsRect;
};

// Pixels are twips / 15.
QRect pixels(QRect t)
{
    return {qRound(t.x() / 15.0), qRound(t.y() / 15.0), qRound(t.width() / 15.0),
            qRound(t.height() / 15.0)};
}

// How many pixels of the rendered control are caption yellow, and how many are
// the light grey a check box falls back to when only WindowText is yellow.
struct CaptionInk
{
    int yellow = 0;
    int grey = 0;
};

CaptionInk inkOf(QWidget *control)
{
    const QImage image = control->grab().toImage();
    CaptionInk ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() / 4; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 80)
                ++ink.yellow;
            else if (c.red() > 150 && qAbs(c.red() - c.blue()) < 30 && qAbs(c.green() - c.blue()) < 30)
                ++ink.grey;
        }
    }
    return ink;
}

} // namespace

TEST_F(PrefWindow, ControlsSitWhereTheLayoutPutsThem)
{
    EXPECT_EQ(pref->size(), QSize(314, 282));
    const Placed table[] = {
        {"chkOpt0", {600, 600, 1695, 255}},   {"chkOpt1", {600, 900, 1035, 255}},
        {"Label2", {840, 1200, 1335, 255}},   {"txtOpt1", {2220, 1200, 615, 255}},
        {"chkOpt2", {600, 1560, 1815, 255}},  {"txtOpt2", {840, 1860, 3195, 255}},
        {"chkOpt3", {600, 2220, 1935, 255}},  {"chkOpt4", {600, 2520, 1035, 255}},
        {"chkOpt5", {600, 2820, 1875, 255}},  {"txtOpt5", {840, 3120, 3195, 255}},
        {"picButton2", {240, 3540, 1350, 465}}, {"picButton0", {240, 3540, 1350, 465}},
        {"picButton1", {1680, 3540, 1350, 465}}, {"picButton3", {1680, 3540, 1350, 465}},
        {"picButton5", {3120, 3540, 1350, 465}}, {"picButton4", {3120, 3540, 1350, 465}},
    };
    for (const Placed &row : table) {
        auto *control = pref->findChild<QWidget *>(QLatin1String(row.name));
        ASSERT_TRUE(control) << row.name;
        EXPECT_EQ(control->geometry(), pixels(row.twipsRect)) << row.name;
    }
    const QRect icon = pref->Image1()->geometry();
    EXPECT_TRUE(pref->rect().contains(icon));
    for (int index = 0; index < 6; ++index)
        EXPECT_FALSE(icon.intersects(pref->chkOpt(index)->geometry())) << index;
}

TEST_F(PrefWindow, OpensInTheDesignStateWithItsCaptions)
{
    const char *captions[] = {"&Always On Top", "&Docking", "De&fault Directory",
                              "S&plash Screen", "&Sounds",  "&Winamp Location"};
    const bool design[] = {false, true, false, true, true, false};
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(pref->chkOpt(index)->text(), QLatin1String(captions[index]));
        EXPECT_EQ(checked(index), design[index]) << index;
    }
    EXPECT_EQ(pref->Label2()->text(), QStringLiteral("Taskbar Height"));
    EXPECT_EQ(text(1), QStringLiteral("400"));
    EXPECT_TRUE(enabled(1));
    EXPECT_EQ(text(2), QString());
    EXPECT_FALSE(enabled(2));
    EXPECT_EQ(text(5), Preferences::designPlayerPath());
    EXPECT_FALSE(enabled(5));
    EXPECT_EQ(pref->txtOpt(0), nullptr);
    EXPECT_TRUE(store->winampPath().isEmpty());

    EXPECT_EQ(pref->lblMenu(3)->text(), QStringLiteral("Preferences"));
    const std::pair<int, const char *> buttons[] = {{2, "Save"}, {0, "Save"}, {1, "Cancel"},
                                                    {3, "Cancel"}, {5, "Default"}, {4, "Default"}};
    for (const auto &[index, caption] : buttons) {
        EXPECT_EQ(pref->lblButton(index)->text(), QLatin1String(caption));
        EXPECT_EQ(pref->picButton(index)->isVisible(), index == 2 || index == 1 || index == 5);
        EXPECT_EQ(pref->lblButton(index)->font().underline(), index == 0 || index == 3 || index == 4);
    }
}

// What the user sees, not what the palette says: the rendered captions are
// yellow, with no grey text.
TEST_F(PrefWindow, CaptionsAreDrawnInYellow)
{
    for (int index = 0; index < 6; ++index) {
        for (bool on : {false, true}) {
            pref->chkOpt(index)->setChecked(on);
            const CaptionInk ink = inkOf(pref->chkOpt(index));
            EXPECT_GT(ink.yellow, 10) << index;
            EXPECT_LT(ink.grey, ink.yellow / 4) << index;
        }
    }
    EXPECT_GT(inkOf(pref->Label2()).yellow, 10);
}

// One row per key typed into the taskbar height box, which holds "400" with the
// cursor at its end.
struct HeightKey
{
    const char *name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString expected;
    int beeps;
};

class TaskbarHeightKeys : public PrefFixture, public ::testing::WithParamInterface<HeightKey>
{
};

TEST_P(TaskbarHeightKeys, OnlyDigitsBackspaceAndEnterPass)
{
    const HeightKey &row = GetParam();
    QTest::keyClick(pref->txtOpt(1), Qt::Key(row.key), row.modifiers);
    EXPECT_EQ(text(1), row.expected);
    EXPECT_EQ(beeps, row.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    PrefWindow, TaskbarHeightKeys,
    ::testing::Values(HeightKey{"digit", Qt::Key_7, Qt::NoModifier, "4007", 0},
                      HeightKey{"zero", Qt::Key_0, Qt::NoModifier, "4000", 0},
                      HeightKey{"backspace", Qt::Key_Backspace, Qt::NoModifier, "40", 0},
                      HeightKey{"enter", Qt::Key_Return, Qt::NoModifier, "400", 0},
                      HeightKey{"letter", Qt::Key_A, Qt::NoModifier, "400", 1},
                      HeightKey{"capital", Qt::Key_A, Qt::ShiftModifier, "400", 1},
                      HeightKey{"space", Qt::Key_Space, Qt::NoModifier, "400", 1},
                      HeightKey{"minus", Qt::Key_Minus, Qt::NoModifier, "400", 1},
                      HeightKey{"escape", Qt::Key_Escape, Qt::NoModifier, "400", 1},
                      HeightKey{"left arrow types nothing", Qt::Key_Left, Qt::NoModifier, "400", 0}),
    [](const auto &info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(PrefWindow, PastedTextMustBeAllDigitsAndPathsRefuseTheQuote)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("12a"));
    pref->txtOpt(1)->paste();
    EXPECT_EQ(text(1), QStringLiteral("400"));
    clipboard->setText(QStringLiteral("25"));
    pref->txtOpt(1)->paste();
    EXPECT_EQ(text(1), QStringLiteral("40025"));

    clickBox(2);
    QLineEdit *path = pref->txtOpt(2);
    QTest::keyClicks(path, QStringLiteral("/music/\"best\""));
    EXPECT_EQ(path->text(), QStringLiteral("/music/best"));
    EXPECT_EQ(beeps, 2);
    clipboard->setText(QStringLiteral(" \"x\""));
    QTest::keyClick(path, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(path->text(), QStringLiteral("/music/best"));
    clipboard->setText(QStringLiteral(", old"));
    QTest::keyClick(path, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(path->text(), QStringLiteral("/music/best, old"));
}

TEST_F(PrefWindow, PathBoxesStopAtSixtyCharacters)
{
    const QString seventy(70, QLatin1Char('m'));
    for (int index : {2, 5}) {
        clickBox(index);
        QLineEdit *box = pref->txtOpt(index);
        box->selectAll();
        QTest::keyClicks(box, seventy);
        EXPECT_EQ(box->text(), seventy.left(60)) << index;
        box->clear();
        QGuiApplication::clipboard()->setText(seventy);
        box->paste();
        EXPECT_EQ(box->text().size(), 60) << index;
    }
}

// A longer path can only come from the file; it is kept whole so that saving
// does not write a different path, and typing can shorten it but not lengthen it.
TEST_F(PrefWindow, ALongerStoredPathIsKeptWholeAndOnlyShrinks)
{
    // 76 characters in all, in a folder that exists.
    const QString longFolder = folder(QString(75 - dir.path().size(), QLatin1Char('d')));
    ASSERT_EQ(longFolder.size(), 76);
    dir.write(QStringLiteral("renamer.ini"), "\"NotOnTop\"\r\n\"Dock\"\r\n\"400\"\r\n\"" + longFolder.toUtf8() +
                                                  "\"\r\n\"Splash\"\r\n\"Sound\"\r\n\"\"\r\n");
    pref->CheckINIFile();
    QLineEdit *box = pref->txtOpt(2);
    EXPECT_EQ(box->text(), longFolder);
    pref->SaveSettings();
    EXPECT_TRUE(dir.read(QStringLiteral("renamer.ini")).contains("\"" + longFolder.toUtf8() + "\"\r\n"));

    QTest::keyClick(box, Qt::Key_X);
    EXPECT_EQ(box->text(), longFolder);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QStringLiteral("abcdefgh"));
    EXPECT_EQ(box->text(), longFolder.left(56) + QStringLiteral("abcd"));
}

TEST_F(PrefWindow, EachPathAndHeightBoxIsEnabledExactlyWhenItsBoxIsChecked)
{
    for (int index = 0; index < 6; ++index) {
        const std::array<bool, 3> before{enabled(1), enabled(2), enabled(5)};
        clickBox(index);
        if (QLineEdit *box = pref->txtOpt(index)) {
            EXPECT_EQ(box->isEnabled(), checked(index)) << index;
            clickBox(index);
            EXPECT_EQ(box->isEnabled(), checked(index)) << index;
        } else {
            EXPECT_EQ((std::array<bool, 3>{enabled(1), enabled(2), enabled(5)}), before) << index;
        }
    }
}

TEST_F(PrefWindow, DefaultRechecksDockingAndRestoresTheHeight)
{
    pref->txtOpt(1)->selectAll();
    QTest::keyClicks(pref->txtOpt(1), QStringLiteral("520"));
    clickBox(1);
    EXPECT_FALSE(checked(1));
    EXPECT_FALSE(enabled(1));
    clickBox(0);
    clickBox(2);
    clickBox(5);
    QTest::keyClicks(pref->txtOpt(2), QStringLiteral("/music"));

    clickButton(5);
    EXPECT_TRUE(checked(1));
    EXPECT_TRUE(enabled(1));
    EXPECT_EQ(text(1), QStringLiteral("400"));
    EXPECT_EQ(store->preferences().options, Preferences().options);
    // The path texts stay; their boxes only become disabled.
    EXPECT_EQ(text(2), QStringLiteral("/music"));
    EXPECT_FALSE(enabled(2));
    EXPECT_FALSE(enabled(5));
    EXPECT_TRUE(pref->isVisible());
    EXPECT_FALSE(dir.exists(QStringLiteral("renamer.ini")));
}

TEST_F(PrefWindow, RightButtonClicksRunNothing)
{
    clickBox(0);
    clickBox(1);
    for (int index : {2, 0, 1, 3, 5, 4})
        clickButton(index, Qt::RightButton);
    EXPECT_TRUE(pref->isVisible());
    EXPECT_FALSE(dir.exists(QStringLiteral("renamer.ini")));
    EXPECT_TRUE(checked(0));
    EXPECT_FALSE(checked(1));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// Other windows read these through the store, so a change counts at once, before
// any save; the window's own chrome reads them too.
TEST_F(PrefWindow, ChromeSettingsFollowTheControlsLive)
{
    const ChromeSettings &live = *chromeSettings;
    EXPECT_FALSE(live.alwaysOnTop());
    EXPECT_TRUE(live.docking());
    EXPECT_TRUE(live.sounds());
    clickBox(0);
    QTest::keyClick(pref->txtOpt(1), Qt::Key_5);
    clickBox(1);
    EXPECT_TRUE(live.alwaysOnTop());
    EXPECT_FALSE(live.docking());
    EXPECT_EQ(live.taskbarHeightText(), QStringLiteral("4005"));

    hover(pref->picButton(2));
    EXPECT_EQ(clips.played.size(), 1u);
    clickBox(4);
    EXPECT_FALSE(live.sounds());
    hover(pref->picButton(1));
    EXPECT_EQ(clips.played.size(), 1u);
}

TEST_F(PrefWindow, MovingOverItsControlsPutsTheButtonsBack)
{
    for (QWidget *control : {static_cast<QWidget *>(pref->chkOpt(3)), static_cast<QWidget *>(pref->txtOpt(1)),
                             static_cast<QWidget *>(pref->Image1())}) {
        hover(pref->picButton(5));
        EXPECT_TRUE(pref->picButton(4)->isVisible());
        hover(control);
        EXPECT_TRUE(pref->picButton(5)->isVisible()) << control->objectName().toStdString();
        EXPECT_FALSE(pref->picButton(4)->isVisible());
    }
}
