// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "TagFileAccess.h"

// One file held in memory, whatever path is opened, so the codec can be driven
// thousands of times a second. A write can be made to fail after some of its bytes,
// as a full disk does.
class MemoryTagFileAccess : public TagFileAccess
{
public:
    explicit MemoryTagFileAccess(QByteArray contents) : m_contents(std::move(contents)) {}

    // The next writes stop after bytesWritten bytes and report a full disk; -1: never.
    void failWritesAfter(int bytesWritten) { m_failAfter = bytesWritten; }
    const QByteArray &contents() const { return m_contents; }

    Opened open(const QByteArray &nativePath, Mode mode) override;

private:
    friend class MemoryTagOpenFile;
    QByteArray m_contents;
    int m_failAfter = -1;
};
