// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// The four preferences the chrome reads while the program runs. The preferences
// window implements it over its check boxes and text box, so a change shows at
// the next read.
class ChromeSettings
{
public:
    virtual ~ChromeSettings();

    virtual bool alwaysOnTop() const = 0;          // "&Always On Top"
    virtual bool docking() const = 0;              // "&Docking"
    virtual QString taskbarHeightText() const = 0; // the taskbar height field, as typed
    virtual bool sounds() const = 0;               // "&Sounds"
};

// Plain values, for tests and for windows shown before the preferences exist.
struct FixedChromeSettings : ChromeSettings
{
    bool onTop = false;
    bool dock = true;
    QString taskbar = QStringLiteral("400");
    bool sound = true;

    bool alwaysOnTop() const override { return onTop; }
    bool docking() const override { return dock; }
    QString taskbarHeightText() const override { return taskbar; }
    bool sounds() const override { return sound; }
};
