// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "Id3v1Record.h"

#include <QByteArray>
#include <QString>
#include <Qt>

class QWidget;

// Typing and reading back for the tag window suites.
namespace TagUiTestSupport {

// Types text into widget one key at a time, as a keyboard would, any script included.
void typeText(QWidget *widget, const QString &text);
void pressKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Pointer movement over widget with no button held.
void hover(QWidget *widget);
// A left (or other) button press and release in the middle of widget.
void click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);

Id3v1Record record(const QString &title, quint8 genre = Id3v1Record::NoGenre,
                   const QString &comment = {}, qint16 year = 0);
// The tag in a file's last 128 bytes, or the empty record when there is none.
Id3v1Record storedTag(const QByteArray &file);

} // namespace TagUiTestSupport
