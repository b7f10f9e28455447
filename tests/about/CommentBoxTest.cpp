// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentBox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(CommentBox, HoldsAtMostItsLengthHoweverTheTextArrives)
{
    const QString line(60, QLatin1Char('a'));
    struct Row { const char *how; std::function<void(CommentBox &)> enter; QString expected; };
    const QList<Row> rows{
        {"typed", [](CommentBox &b) { QTest::keyClicks(&b, QString(200, QLatin1Char('x'))); },
         QString(190, QLatin1Char('x'))},
        {"set", [](CommentBox &b) { b.setPlainText(QString(300, QLatin1Char('y'))); },
         QString(190, QLatin1Char('y'))},
        {"lines", [&](CommentBox &b) { b.setPlainText(line + "\n" + line + "\n" + line + "\n" + line); },
         (line + "\n" + line + "\n" + line + "\n" + line).left(190)},
        // What is cut is the end of the pasted text; what was typed before stays.
        {"pasted in the middle", [](CommentBox &b) {
             b.setPlainText(QString(100, QLatin1Char('a')) + "END");
             QTextCursor c = b.textCursor();
             c.setPosition(100);
             b.setTextCursor(c);
             b.insertPlainText(QString(200, QLatin1Char('p')));
         },
         QString(100, QLatin1Char('a')) + QString(87, QLatin1Char('p')) + "END"},
        // A character outside the basic plane is never split in two.
        {"surrogates", [](CommentBox &b) {
             b.setPlainText(QString(189, QLatin1Char('z')));
             b.insertPlainText(QStringLiteral("\U0001F3B5"));
         },
         QString(189, QLatin1Char('z'))},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.how);
        CommentBox box(190);
        box.show();
        row.enter(box);
        EXPECT_EQ(box.toPlainText(), row.expected);
        EXPECT_LE(box.length(), 190);
    }
}

TEST(CommentBox, FullBoxTakesNoMoreButKeepsEditing)
{
    CommentBox box(190);
    box.show();
    box.setPlainText(QString(190, QLatin1Char('q')));
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, "more");
    EXPECT_EQ(box.length(), 190);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClicks(&box, "!");
    EXPECT_EQ(box.toPlainText(), QString(189, QLatin1Char('q')) + "!");
    // One undo takes back the typed character, not half of an edit.
    box.undo();
    EXPECT_EQ(box.toPlainText(), QString(189, QLatin1Char('q')));
}

} // namespace
