// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PreferencesChromeSettings.h"

#include "PreferencesStore.h"

bool PreferencesChromeSettings::alwaysOnTop() const
{
    return m_store.alwaysOnTop();
}

bool PreferencesChromeSettings::docking() const
{
    return m_store.docking();
}

QString PreferencesChromeSettings::taskbarHeightText() const
{
    return m_store.taskbarHeightText();
}

bool PreferencesChromeSettings::sounds() const
{
    return m_store.sounds();
}
