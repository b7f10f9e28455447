// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PictureBox.h"

#include "ChromeArt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(int index, const QPixmap &picture, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_picture(picture)
    , m_caption(new QLabel(this))
{
    setObjectName(QStringLiteral("picButton%1").arg(index));
    setFixedSize(ChromeArt::kButtonSize);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    m_caption->setObjectName(QStringLiteral("lblButton%1").arg(index));
    m_caption->setGeometry(rect());
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFont(ChromeArt::captionFont(8.25));
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMoved(m_index, event->buttons());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_pressedButton = event->button();
    Q_EMIT pressed(m_index, event->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = event->button() == m_pressedButton && rect().contains(event->position().toPoint());
    m_pressedButton = Qt::NoButton;
    if (click)
        Q_EMIT clicked(m_index);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            Q_EMIT keyClicked(m_index);
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}
