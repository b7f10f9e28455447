// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QPlainTextEdit>

// A multi-line text box that holds at most maxLength characters, however the
// text arrives (typing, pasting, dropping, setPlainText): what would go past the
// limit is cut from the end of the inserted text, so the text already there stays.
class CommentBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CommentBox(int maxLength, QWidget *parent = nullptr);

    int maxLength() const { return m_maxLength; }
    // The characters the box holds; a line break counts as one.
    int length() const;

private:
    void cutExcess(int position, int charsAdded);

    int m_maxLength;
    bool m_cutting = false;
};
