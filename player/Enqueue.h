// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NativeName.h"

#include <QList>
#include <QString>

class Dialogs;
class PlayerLink;

// "E&nqueue in Winamp" without its window: the main window passes what it shows.
struct EnqueueRequest
{
    bool winampLocationChecked = false; // "&Winamp Location"
    QString WinampPath;
    NativeName folder;                  // File1's folder
    QList<NativeName> selectedNames;    // File1's selected entries, in list order
    int startWaitMs = 10000;            // how long a just-started player may take to come up
};

namespace Playfile {

// Does nothing at all unless the player location option is checked.
void mnuEnqueue_Click(const EnqueueRequest &request, PlayerLink &link, Dialogs &dialogs);

// Starts the player when none runs, then hands over each selected file in list order.
// A failure to start ends it with a message; nothing is sent after that.
void EnqueueSelected(const EnqueueRequest &request, PlayerLink &link, Dialogs &dialogs);

// The folder and a name joined by one separator, as AddSlash does.
QString fullName(const QString &folder, const QString &name);
QByteArray fullName(const QByteArray &folder, const QByteArray &name);

} // namespace Playfile
