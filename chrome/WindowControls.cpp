// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "WindowControls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace {

QString withoutAccelerator(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QString ownCaption(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return {};
}

void nameBuddies(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        auto *label = qobject_cast<QLabel *>(control);
        if (label && label->buddy() && label->buddy()->accessibleName().isEmpty())
            label->buddy()->setAccessibleName(withoutAccelerator(label->text()));
    }
}

} // namespace

namespace WindowControls {

void putLastInTabOrder(QWidget *window, const QList<QWidget *> &last)
{
    QList<QWidget *> order;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->parentWidget() == window && (w->focusPolicy() & Qt::TabFocus) && !last.contains(w))
            order << w;
    order << last;
    // setTabOrder takes a pair as already ordered when only unfocusable widgets lie
    // between them, and the window itself, where the chain wraps, is one of those:
    // the buttons, declared first, would never move behind the last control.
    const Qt::FocusPolicy own = window->focusPolicy();
    window->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    window->setFocusPolicy(own);
}

void nameControls(QWidget *window, const QWidget *skip)
{
    const QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    nameBuddies(controls);
    for (QWidget *control : controls) {
        if (control == skip || control->isWindow() || !control->accessibleName().isEmpty())
            continue;
        QString name = control->toolTip();
        if (name.isEmpty())
            name = ownCaption(control);
        control->setAccessibleName(withoutAccelerator(name));
    }
}

} // namespace WindowControls
