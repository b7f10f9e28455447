// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

// The four ways the rename pass can turn a file name into a proposal, chosen by the
// Options menu's check marks (none checked: Format).
enum class NamingMode { Format, Capitalize, RemoveNumbers, RemoveUnderscore };
