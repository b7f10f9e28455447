// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "DockForm.h"

#include <algorithm>

DockResult DockForm(DockRect rect, float screenWidth, float screenHeight, float taskbarHeight)
{
    bool docked = false;
    if (rect.left < kDockMargin) {
        rect.left = 0;
        docked = true;
    }
    if (rect.top < kDockMargin) {
        rect.top = 0;
        docked = true;
    }
    if (screenWidth - kDockMargin < rect.left + rect.width) {
        rect.left = screenWidth - rect.width;
        docked = true;
    }
    if (screenHeight - kDockBottomMargin < rect.top + rect.height) {
        rect.top = screenHeight - rect.height - taskbarHeight;
        docked = true;
    }
    return {rect, docked};
}

DockRect KeepOnScreen(DockRect rect, float screenWidth, float screenHeight, float availableLeft,
                      float availableTop)
{
    rect.left = std::max(availableLeft, std::min(rect.left, screenWidth - rect.width));
    rect.top = std::max(availableTop, std::min(rect.top, screenHeight - rect.height));
    return rect;
}

float taskbarHeightFromText(const QString &text)
{
    constexpr double cap = 1'000'000;
    double value = 0;
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            break;
        value = std::min(cap, value * 10 + (c.unicode() - u'0'));
    }
    return static_cast<float>(value);
}
