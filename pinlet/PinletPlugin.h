// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "PinletFactory.h"

#include <QObject>

// The plug-in's root object: the one entry point a host finds in the library.
class PinletPlugin : public QObject, public PinletFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PinletFactory_iid FILE "pinlet.json")
    Q_INTERFACES(PinletFactory)

public:
    QWidget *createControl(bool userMode, QWidget *parent) override;
};
