// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChildPresenter.h"

#include "ChromeSettings.h"
#include "TopMost.h"

#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// Ends a modal display when the child hides.
class HideWatcher : public QObject
{
public:
    HideWatcher(QWidget *watched, QEventLoop *loop)
        : m_loop(loop)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop->quit();
        return false;
    }

private:
    QEventLoop *m_loop;
};

} // namespace

ChildPresenter::ChildPresenter(QWidget *owner, const ChromeContext &context)
    : QObject(owner)
    , m_owner(owner)
    , m_context(context)
{
}

void ChildPresenter::ApplyOnTop(QWidget *frm) const
{
    if (m_context.settings && m_context.settings->alwaysOnTop())
        MakeTopmost(frm);
}

void ChildPresenter::placeOverOwner(QWidget *frm) const
{
    // Until the user has dragged it, a child opens centred over its owner (and on
    // its screen); without a window manager it would otherwise cover the top-left corner.
    if (frm->testAttribute(Qt::WA_Moved) || frm->isVisible())
        return;
    QRect area = m_owner->frameGeometry();
    if (const QScreen *s = m_owner->screen())
        area = s->availableGeometry();
    QRect r(QPoint(), frm->frameGeometry().size());
    r.moveCenter(m_owner->frameGeometry().center());
    r.moveLeft(qBound(area.left(), r.left(), qMax(area.left(), area.right() - r.width() + 1)));
    r.moveTop(qBound(area.top(), r.top(), qMax(area.top(), area.bottom() - r.height() + 1)));
    frm->move(r.topLeft());
}

void ChildPresenter::makeTransient(QWidget *frm) const
{
    frm->winId();
    if (QWindow *child = frm->windowHandle()) {
        m_owner->winId();
        child->setTransientParent(m_owner->windowHandle());
    }
}

void ChildPresenter::ShowChild(QWidget *frm, bool modal)
{
    if (!frm)
        return;
    MakeNotTopmost(m_owner);
    ApplyOnTop(frm);
    placeOverOwner(frm);
    makeTransient(frm);
    if (!modal)
        frm->show();
    else if (frm->isVisible())
        frm->raise();
    else
        runModal(frm);
}

void ChildPresenter::runModal(QWidget *frm)
{
    frm->setWindowModality(Qt::ApplicationModal);
    QPointer<QWidget> guard(frm);
    QEventLoop loop;
    HideWatcher watcher(frm, &loop);
    connect(frm, &QObject::destroyed, &loop, &QEventLoop::quit);
    frm->show();
    if (frm->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        frm->removeEventFilter(&watcher);
        frm->setWindowModality(Qt::NonModal);
    }
}
