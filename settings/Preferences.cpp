// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "Preferences.h"

QString Preferences::designPlayerPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("D:\\Program Files\\Winamp\\Winamp.exe");
#else
    return QStringLiteral("/usr/bin/vlc");
#endif
}
