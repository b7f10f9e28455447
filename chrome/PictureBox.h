// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

// One member of a picture button: a 90 x 31 picture with its caption label
// (lblButton) inside. The caption lets the mouse through, so the picture and its
// label behave as one control with one index. It takes the keyboard only through
// Tab, so a mouse user never sees it focused; Enter or Space then clicks it.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(int index, const QPixmap &picture, QWidget *parent);

    int index() const { return m_index; }
    QLabel *caption() const { return m_caption; }

Q_SIGNALS:
    void mouseMoved(int index, Qt::MouseButtons buttons);
    void pressed(int index, Qt::MouseButton button);
    // A press and release of the same button over this member.
    void clicked(int index);
    // Enter or Space while this member holds the keyboard.
    void keyClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index;
    QPixmap m_picture;
    QLabel *m_caption;
    Qt::MouseButton m_pressedButton = Qt::NoButton;
};
