// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ClipSink.h"

class ChromeArt;
class ChromeSettings;

// What every window of the program shares: the live preferences, the main
// window's clip players and the bitmaps. The program owns these for its whole
// run; windows only point at them.
struct ChromeContext
{
    const ChromeSettings *settings = nullptr;
    ClipSink *clips = nullptr;
    const ChromeArt *art = nullptr;

    // Whether the sounds preference is on.
    bool soundsOn() const;
    // Plays clip when the sounds preference is on.
    void playClip(Clip clip) const;
};
