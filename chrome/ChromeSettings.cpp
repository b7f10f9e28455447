// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeSettings.h"

// Out of line so the vtable has one home.
ChromeSettings::~ChromeSettings() = default;
