// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "MpegFixture.h"

namespace MpegFixture {

QByteArray frames(int count, bool withTagInAudio)
{
    QByteArray audio;
    for (int i = 0; i < count; ++i) {
        QByteArray frame(FrameSize, '\0');
        frame[0] = char(0xFF);
        frame[1] = char(0xFB);
        frame[2] = char(0x90);
        frame[3] = char(0x64);
        // Main data varies per frame so a misplaced write cannot go unnoticed.
        for (int b = 40; b < FrameSize; b += 7)
            frame[b] = char((i * 31 + b) & 0xFF);
        if (withTagInAudio)
            frame.replace(100, 3, "TAG");
        audio += frame;
    }
    return audio;
}

} // namespace MpegFixture
