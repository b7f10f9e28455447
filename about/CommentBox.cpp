// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentBox.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

CommentBox::CommentBox(int maxLength, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_maxLength(maxLength)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { cutExcess(position, charsAdded); });
}

int CommentBox::length() const
{
    // The document counts a closing paragraph separator that is no character of the text.
    return document()->characterCount() - 1;
}

void CommentBox::cutExcess(int position, int charsAdded)
{
    const int excess = length() - m_maxLength;
    if (m_cutting || excess <= 0)
        return;
    // setPlainText reports the closing separator among the added characters.
    const int end = std::min(position + charsAdded, length());
    int start = std::max(end - excess, 0);
    // Never leave half of a surrogate pair behind.
    if (start > 0 && document()->characterAt(start).isLowSurrogate())
        --start;
    m_cutting = true;
    QTextCursor cursor(document());
    cursor.joinPreviousEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_cutting = false;
}
