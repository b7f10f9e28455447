// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TrayWindows.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
bool isTrayIconWindow(const QWidget *widget)
{
    return widget->objectName() == u"QSystemTrayIconSys";
}
}

QWidget *embeddedTrayIcon()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (isTrayIconWindow(widget) && widget->windowHandle() && widget->windowHandle()->isExposed())
            return widget;
    }
    return nullptr;
}

bool anyTrayIconWindow()
{
    const auto widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.cbegin(), widgets.cend(), isTrayIconWindow);
}
