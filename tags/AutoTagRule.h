// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <optional>

// How automatic tagging reads a file name in the program's form, "(Artist) Title.ext":
// it must begin with "(", the artist runs to the first ")" found before the last four
// characters, the one character after ")" is skipped whatever it is, and the last four
// characters are always dropped as the extension. Texts are not trimmed or cut.
namespace AutoTagRule {

struct Names
{
    QString artist;
    QString title;
    bool operator==(const Names &) const = default;
};

// The comment automatic tagging puts in place of a blank one.
QString defaultComment();
// Blank means nothing but spaces: a tab, a no-break space or a line feed is something
// the user put there, and is kept.
bool isBlankComment(const QString &comment);

// The file-name part of a path: what follows its last separator, double quotes left out.
QString fileNamePart(const QString &path);

// Artist and title for a path, or nothing when its name does not fit the rule.
std::optional<Names> namesFromPath(const QString &path);

} // namespace AutoTagRule
