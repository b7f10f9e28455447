// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "Forms.h"

#include <QStringList>
#include <optional>

// The start routine: loads the settings, then opens the main window either on a
// preview of the files named on the command line or, after the splash when the
// splash option is on, for browsing.
void Main(Forms &forms);

// Waits the given time while window events go on being processed. Measured on a
// clock that never goes back, so midnight or a clock change cannot stretch it.
void Pause(float seconds);

// On Linux, asks for the X11 platform (XWayland under Wayland) when an X display is
// there: Wayland lets no window place itself or stay on top. Call before the
// application object exists.
void preferX11();

// Names the application, which names its per-user folders. Call before
// programConfig.
void nameProgram();

// Moves settings left by earlier versions into appFolder's configuration folder.
void moveOldSettings(const AppFolder &appFolder);

// The program's own set-up: its folders (per-user, or beside the executable in a
// portable copy), its media, and the command line's arguments (without the program
// name). Where the arguments' bytes are known (nativeArguments, same count), files are
// addressed by them. Settings of earlier versions are moved into place first.
Forms::Config programConfig(const QStringList &arguments, const QList<QByteArray> &nativeArguments = {});

// What "--help" (or "-h") and "--version" as the first argument print, as the command-line
// front end answers them; nothing for any other command line, which names files.
std::optional<QString> programInfo(const QStringList &arguments);
