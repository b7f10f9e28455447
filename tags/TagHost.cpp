// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagHost.h"

TagHost::~TagHost() = default;

NativeName TagHost::fileFolderName() const
{
    return NativeName::fromText(filePath());
}

NativeName TagHost::fileName(int index) const
{
    return NativeName::fromText(fileEntry(index));
}
