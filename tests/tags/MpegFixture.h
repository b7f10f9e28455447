// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>

// Real MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz, silent), so readers that insist
// on audio accept the files and the bytes before a tag are genuine audio.
namespace MpegFixture {

constexpr int FrameSize = 417;

// count frames; when withTagInAudio, the bytes "TAG" also appear inside the frames'
// data, as they may in real audio.
QByteArray frames(int count, bool withTagInAudio = false);

} // namespace MpegFixture
