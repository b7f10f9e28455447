// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>

// The five clips of the chrome, named after the players that held them.
enum class Clip { Menu, Min, Max, Beep, Dock };

inline constexpr Clip kAllClips[] = {Clip::Menu, Clip::Min, Clip::Max, Clip::Beep, Clip::Dock};

// The file each clip is read from, beside the program.
QString clipFileName(Clip clip);

// Where the chrome sends a clip to be heard. Playing never waits for the clip,
// and restarts it when it is still playing. Callers decide whether sounds are on.
class ClipSink
{
public:
    virtual ~ClipSink();
    virtual void play(Clip clip) = 0;
};
