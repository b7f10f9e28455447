#pragma once

#include "PlayerLink.h"

// The player found by its window class and fed with copy-data messages.
class WinampPlayerLink : public PlayerLink
{
public:
    bool isRunning(const QString &programPath) override;
    void sendFile(const QString &fileName, const QString &programPath) override;
};
