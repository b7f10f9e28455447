// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ChromeContext.h"

#include "ChromeSettings.h"

bool ChromeContext::soundsOn() const
{
    return settings && settings->sounds();
}

void ChromeContext::playClip(Clip clip) const
{
    if (soundsOn() && clips)
        clips->play(clip);
}
