// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MenuLabel.h"

#include "ChromeArt.h"

#include <QMouseEvent>

MenuLabel::MenuLabel(int index, QWidget *parent)
    : QLabel(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("lblMenu%1").arg(index));
    setFont(ChromeArt::captionFont(9.75));
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void MenuLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMoved(m_index, event->position(), event->buttons());
}

void MenuLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT pressed(m_index, event->button(), event->position());
}

void MenuLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT released(m_index, event->button(), event->position());
}
