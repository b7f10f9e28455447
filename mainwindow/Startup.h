#pragma once

class Forms;

// The start routine: loads the settings, then opens the main window either on a
// preview of the files named on the command line or, after the splash when the
// splash option is on, for browsing.
void Main(Forms &forms);

// Waits the given time while window events go on being processed. Measured on a
// clock that never goes back, so midnight or a clock change cannot stretch it.
void Pause(float seconds);
