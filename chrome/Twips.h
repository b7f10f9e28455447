// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <cmath>

// Layout figures are written in twips (1/1440 inch), the unit the windows were
// designed in: 15 twips are one logical pixel, and Qt scales logical pixels for
// high-density screens.
constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
inline int twips(double n)
{
    return static_cast<int>(std::lround(n / kTwipsPerPixel));
}

inline int toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// Rounds halves to the even neighbour, as the grab point of a title drag is rounded.
inline int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
