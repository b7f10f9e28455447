// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <optional>

// The update verdict. Only minor and revision count, read together as one
// single-precision decimal number ("1.0.85" gives 0.85, so 1.0.9 is newer and
// 2.0.1 is not): the comparison the program has always made, kept so servers
// that hand out versions in that form keep working.

// True when serverVersion (major.minor.revision as the server sent it) is newer
// than ownVersion. A server version that gives no number from its third
// character on is not newer.
bool CompareVersion(const QString &serverVersion, const QString &ownVersion);

// The decimal number at the start of text after leading blanks (digits, then
// optionally a point and digits); nullopt when there is none.
std::optional<float> leadingDecimal(const QString &text);

// "minor.revision" of a major.minor.revision version text.
QString minorAndRevision(const QString &version);
