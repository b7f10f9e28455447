// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QProxyStyle>

// The application's style with the text margin of list items cut to one pixel, for a
// list box too narrow for its entries beside a scroll bar: lstType is 61 pixels wide
// and "*.mpeg" would lose its last letter to the style's usual three-pixel margins.
// Everything else is drawn as the application's style draws it.
class NarrowListStyle : public QProxyStyle
{
    Q_OBJECT
public:
    NarrowListStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
