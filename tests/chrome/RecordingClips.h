// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ClipSink.h"

#include <vector>

// Records the clips the chrome asks for, in order.
class RecordingClips : public ClipSink
{
public:
    void play(Clip clip) override { played.push_back(clip); }
    std::vector<Clip> played;
};
