// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QLineEdit>

// One text field txtTag(index) of the tag editor. It holds at most the field's
// length; the Year field holds digits only, however they arrive (typed, pasted,
// dropped). Enter and Escape typed in it ask the editor to save or to cancel.
class TagField : public QLineEdit
{
    Q_OBJECT
public:
    TagField(int index, QWidget *parent);

    int index() const { return m_index; }

Q_SIGNALS:
    void saveKey();
    void cancelKey();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index;
};
