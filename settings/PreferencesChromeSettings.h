// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ChromeSettings.h"

class PreferencesStore;

// The preferences store as every window's chrome reads it, live: a change in the
// preferences window counts at the next hover, drag or on-top.
class PreferencesChromeSettings : public ChromeSettings
{
public:
    explicit PreferencesChromeSettings(const PreferencesStore &store) : m_store(store) {}

    bool alwaysOnTop() const override;
    bool docking() const override;
    QString taskbarHeightText() const override;
    bool sounds() const override;

private:
    const PreferencesStore &m_store;
};
