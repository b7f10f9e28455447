// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagUiTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace TagUiTestSupport {

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        const bool ascii = c.unicode() < 128 && c.isLetterOrNumber();
        const int key = ascii ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void pressKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, key, modifiers);
}

void hover(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void click(QWidget *widget, Qt::MouseButton button)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

Id3v1Record record(const QString &title, quint8 genre, const QString &comment, qint16 year)
{
    Id3v1Record r;
    r.title = title;
    r.genre = genre;
    r.comment = comment;
    r.year = year;
    return r;
}

Id3v1Record storedTag(const QByteArray &file)
{
    return Id3v1Record::parse(file.right(Id3v1Record::Size));
}

} // namespace TagUiTestSupport
