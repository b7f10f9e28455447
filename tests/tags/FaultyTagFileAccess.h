// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "TagFileAccess.h"

// Real files, with one failure injected at a chosen step: refusing the open, or a
// write that stops after some bytes, or a failing close. Stands in for read-only
// files, full disks and failing devices, which root cannot produce with permission bits.
// Counts the opens asked for, refused ones included.
class FaultyTagFileAccess : public TagFileAccess
{
public:
    enum class Step { None, OpenForWrite, Write, Close };

    void failAt(Step step, ErrorInfo error, int bytesWrittenFirst = 0)
    {
        m_step = step;
        m_error = std::move(error);
        m_partial = bytesWrittenFirst;
    }

    Opened open(const QByteArray &path, Mode mode) override;

    int opens(Mode mode) const { return m_opens[mode == Mode::Read ? 0 : 1]; }

private:
    int m_opens[2] = {0, 0};
    Step m_step = Step::None;
    ErrorInfo m_error;
    int m_partial = 0;
};
