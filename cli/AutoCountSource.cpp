// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AutoCountSource.h"

std::optional<int> AutoCountSource::wordCount(const QString &oldName, const QString &workingName)
{
    if (const std::optional<int> suggested = m_suggestion.suggest(m_file, workingName))
        return suggested;
    return m_asking.wordCount(oldName, workingName);
}
