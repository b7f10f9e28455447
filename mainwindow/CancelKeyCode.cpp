// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CancelKeyCode.h"

#include <QChar>
#include <QKeyEvent>

int cancelKeyCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Control: return 17;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    const int key = event->key();
    if (key >= 0x20 && key <= 0x7e)
        return QChar(key).toUpper().unicode();
    return key & 0xffff;
}
