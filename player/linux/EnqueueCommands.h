// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <QStringList>

// The command-line switches with which known player programs add a file to the playlist
// of their running instance. A new player is one more row in the table.
class EnqueueCommands
{
public:
    // The switches for the program with this file name ("vlc"), empty when unknown.
    static QStringList argumentsFor(const QString &programFileName);
};
