// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CountSuggestion.h"

#include "NameNormaliser.h"

#include <QStringList>

CountSuggestion::~CountSuggestion() = default;

std::optional<int> CountSuggestion::artistWords(const QString &artist, const QString &workingName)
{
    // Both without their leading "(".
    const QString cleaned = FormatWorkingName(artist).mid(1);
    if (cleaned.isEmpty() || !workingName.startsWith(u'('))
        return std::nullopt;
    const QStringList artistWords = cleaned.split(u' ');
    const QStringList nameWords = workingName.mid(1).split(u' ');
    if (artistWords.size() > nameWords.size())
        return std::nullopt;
    for (qsizetype i = 0; i < artistWords.size(); ++i) {
        if (QString::compare(artistWords.at(i), nameWords.at(i), Qt::CaseInsensitive) != 0)
            return std::nullopt;
    }
    return int(artistWords.size());
}
