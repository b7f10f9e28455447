#pragma once

#include "Forms.h"

#include <QStringList>

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

// The program's own set-up: its folder beside the executable (or the per-user data
// folder), its media, and the command line's arguments (without the program name).
// Where the arguments' bytes are known (nativeArguments, same count), files are
// addressed by them.
Forms::Config programConfig(const QStringList &arguments, const QList<QByteArray> &nativeArguments = {});
