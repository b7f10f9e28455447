// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QProcess;

// The connection to the outside media player: is one running, hand it one file for its
// playlist, start it. Each call looks the player up afresh; nothing about it is kept.
// programPath is the stored player program (WinampPath); a backend that can pick among
// several running players, or knows the program's own enqueue command, uses it.
class PlayerLink
{
public:
    virtual ~PlayerLink();

    virtual bool isRunning(const QString &programPath) = 0;
    // Hands over the file at nativePath (its exact bytes; on Windows the UTF-8 form of
    // its name). Reports nothing: a file that no player can take is skipped, as with
    // no player at all.
    virtual void sendFile(const QByteArray &nativePath, const QString &programPath) = 0;
    // Starts the program as stored, without arguments and without waiting for it.
    // A program that is not there is error 53; any other failure to start is 75.
    virtual ErrorInfo start(const QString &programPath);
    // After start: waits at most timeoutMs, without taking user input, until a player
    // runs. A backend that cannot tell when one comes up returns at once.
    virtual bool waitUntilRunning(const QString &programPath, int timeoutMs);

protected:
    // Platform touches on the player's process before start launches it.
    virtual void prepareStart(QProcess &process);
};

// The backend of the platform the program was built for (chosen by the build).
std::unique_ptr<PlayerLink> createPlayerLink();
