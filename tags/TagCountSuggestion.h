// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CountSuggestion.h"
#include "TagFileAccess.h"

// Suggests the artist's word count from the file's tag: the ID3v2 artist when the file
// starts with an ID3v2 tag, else or then the ID3v1 artist of the 128-byte tail,
// whichever the working name starts with. A file without an ID3v2 tag costs ten bytes
// at its head and the 128 at its tail, nothing more.
class TagCountSuggestion : public CountSuggestion
{
public:
    explicit TagCountSuggestion(TagFileAccess *access = nullptr);

    std::optional<int> suggest(const QByteArray &path, const QString &workingName) override;

private:
    TagFileAccess &m_access;
};
