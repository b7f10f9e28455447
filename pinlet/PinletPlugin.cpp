// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PinletPlugin.h"

#include "Pinlet.h"

QWidget *PinletPlugin::createControl(bool userMode, QWidget *parent)
{
    return new Pinlet(userMode, parent);
}
