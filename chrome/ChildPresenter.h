// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeContext.h"

#include <QObject>

class QWidget;

// Shows a window's children: over their owner, in or out of the topmost band as
// the always-on-top preference says, and modally through a nested event loop.
class ChildPresenter : public QObject
{
    Q_OBJECT
public:
    ChildPresenter(QWidget *owner, const ChromeContext &context);

    // Makes frm topmost when the always-on-top preference is on.
    void ApplyOnTop(QWidget *frm) const;
    // Shows frm above the owner, owned by it: the owner leaves the topmost band,
    // frm joins it when the preference is on. Modal returns once frm is hidden or
    // destroyed; the caller then runs ApplyOnTop on the owner.
    void ShowChild(QWidget *frm, bool modal);

private:
    void placeOverOwner(QWidget *frm) const;
    void makeTransient(QWidget *frm) const;
    static void runModal(QWidget *frm);

    QWidget *m_owner;
    ChromeContext m_context;
};
