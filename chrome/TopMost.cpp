// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TopMost.h"

#include <QWidget>
#include <QWindow>

namespace {

void setStaysOnTop(QWidget *frm, bool on)
{
    if (!frm)
        return;
    Qt::WindowFlags flags = frm->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags == frm->windowFlags())
        return;
    // setWindowFlags would re-create and hide the window; telling the widget and
    // its native window separately changes the band in place.
    frm->overrideWindowFlags(flags);
    if (QWindow *window = frm->windowHandle())
        window->setFlags(flags);
}

} // namespace

void MakeTopmost(QWidget *frm)
{
    setStaysOnTop(frm, true);
}

void MakeNotTopmost(QWidget *frm)
{
    setStaysOnTop(frm, false);
}
