// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Dialogs.h"

// Out of line so the vtable has one home.
Dialogs::~Dialogs() = default;

bool Dialogs::askYesNo(const QString &, const QString &)
{
    return false;
}
