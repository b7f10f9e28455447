// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QLabel>

// A label of the lblMenu control array: the title of every window, and in the
// main window also the menu captions, "--" and "X". It only reports the mouse;
// the window decides what a move, press or release means.
class MenuLabel : public QLabel
{
    Q_OBJECT
public:
    MenuLabel(int index, QWidget *parent);

    int index() const { return m_index; }

Q_SIGNALS:
    // pos is in the label's own pixels.
    void mouseMoved(int index, QPointF pos, Qt::MouseButtons buttons);
    void pressed(int index, Qt::MouseButton button, QPointF pos);
    void released(int index, Qt::MouseButton button, QPointF pos);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
};
