// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CountSource.h"

CountSource::~CountSource() = default;
