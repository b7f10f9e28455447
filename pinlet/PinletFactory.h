// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QtPlugin>

class QWidget;

// What a host sees of the Pinlet plug-in: it creates controls through this, and binds to
// each control only by name (properties TrayIcon, TrayTip, InTray; signals MouseMove(int),
// MouseDown(int,short), MouseUp(int,short), MouseDblClick(int,short), propertyChanged(QString);
// invokable InitProperties(), ReadProperties(QVariantMap), WriteProperties(QVariantMap)).
// A host that is being designed rather than run passes userMode false: InTray is then only stored.
class PinletFactory
{
public:
    virtual ~PinletFactory() = default;
    virtual QWidget *createControl(bool userMode, QWidget *parent) = 0;
};

#define PinletFactory_iid "PinletCtl.PinletFactory/1.0"
Q_DECLARE_INTERFACE(PinletFactory, PinletFactory_iid)

// The programmatic identifier, listed under "Keys" in the plug-in's metadata.
inline constexpr char PinletProgId[] = "PinletCtl.Pinlet";
