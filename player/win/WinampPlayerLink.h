// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "PlayerLink.h"

// The player found by its window class and fed with copy-data messages.
class WinampPlayerLink : public PlayerLink
{
public:
    bool isRunning(const QString &programPath) override;
    void sendFile(const QByteArray &nativePath, const QString &programPath) override;
    bool waitUntilRunning(const QString &programPath, int timeoutMs) override;

protected:
    // The player starts minimized and takes the focus.
    void prepareStart(QProcess &process) override;
};
