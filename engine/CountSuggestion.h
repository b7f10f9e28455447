// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a file's own data says the artist's word count is, offered to the user as the
// count prompt's answer. The engine knows no tags; the tag library supplies one.
class CountSuggestion
{
public:
    virtual ~CountSuggestion();

    // path: the file's native bytes; workingName: the name the count is asked for.
    virtual std::optional<int> suggest(const QByteArray &path, const QString &workingName) = 0;

    // The number of the artist's words when the working name starts with them, compared
    // word by word without regard to case after the naming mode's own cleaning (so "The
    // Owls" matches "the_owls-blue sky.mp3"); none when it does not.
    static std::optional<int> artistWords(const QString &artist, const QString &workingName);
};
