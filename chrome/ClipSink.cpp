// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ClipSink.h"

ClipSink::~ClipSink() = default;

QString clipFileName(Clip clip)
{
    switch (clip) {
    case Clip::Menu: return QStringLiteral("popup.wav");
    case Clip::Min: return QStringLiteral("minimize.wav");
    case Clip::Max: return QStringLiteral("maximize.wav");
    case Clip::Beep: return QStringLiteral("BeEP.wav");
    case Clip::Dock: return QStringLiteral("dock.wav");
    }
    return {};
}
