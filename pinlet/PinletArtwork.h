// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QIcon>

// The control's own picture: a push-pin drawn in code at 16, 32 and 48 pixels, so the
// library carries no image files.
class PinletArtwork
{
public:
    static QIcon builtInIcon();
    static QPixmap pin(int size);
};
