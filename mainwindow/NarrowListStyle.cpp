// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NarrowListStyle.h"

#include <QApplication>
#include <QStyleFactory>

NarrowListStyle::NarrowListStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

int NarrowListStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    // The item views take their text margin from the focus frame's margin, plus one.
    if (metric == PM_FocusFrameHMargin)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
