// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QPointer>
#include <QWidget>

// The frame that shows which control of a chrome window holds the keyboard. The
// style's own focus cues are drawn in the highlight colour, which vanishes on the
// windows' blue, so this draws a yellow dotted outline just outside the focused
// control instead. It lets the mouse through and is hidden while the focus is
// elsewhere.
class FocusFrame : public QWidget
{
    Q_OBJECT
public:
    explicit FocusFrame(QWidget *window);

    // The control framed now; null while the frame is hidden.
    QWidget *framed() const { return isVisible() ? m_framed.data() : nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *now);
    void frame(QWidget *control);

    QPointer<QWidget> m_framed;
};
