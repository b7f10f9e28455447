// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "TagFileAccess.h"

TagOpenFile::~TagOpenFile() = default;
TagFileAccess::~TagFileAccess() = default;
