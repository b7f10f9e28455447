#pragma once

class ChromeArt;
class ChromeSettings;
class ClipSink;

// What every window of the program shares: the live preferences, the main
// window's clip players and the bitmaps. The program owns these for its whole
// run; windows only point at them.
struct ChromeContext
{
    const ChromeSettings *settings = nullptr;
    ClipSink *clips = nullptr;
    const ChromeArt *art = nullptr;
};
