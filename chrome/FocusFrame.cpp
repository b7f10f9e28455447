// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {
// Room between the control's edge and the line, so the line never covers the control.
constexpr int kGap = 2;
constexpr int kPen = 1;
}

FocusFrame::FocusFrame(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusFrame::follow(QWidget *now)
{
    if (m_framed)
        m_framed->removeEventFilter(this);
    m_framed = nullptr;
    if (!now || now == parentWidget() || now->window() != parentWidget()) {
        hide();
        return;
    }
    m_framed = now;
    now->installEventFilter(this);
    frame(now);
}

void FocusFrame::frame(QWidget *control)
{
    const QRect inWindow(control->mapTo(parentWidget(), QPoint()), control->size());
    setGeometry(inWindow.adjusted(-kGap - kPen, -kGap - kPen, kGap + kPen, kGap + kPen));
    setVisible(control->isVisible());
    raise();
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_framed) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            frame(m_framed);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(QColor(255, 255, 0), kPen, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -kPen, -kPen));
}
