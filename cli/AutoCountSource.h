// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "CountSource.h"
#include "CountSuggestion.h"

#include <QByteArray>

// rename --words auto: each file's count as its tag suggests it; only a file whose tag
// suggests none is asked about.
class AutoCountSource : public CountSource
{
public:
    AutoCountSource(CountSuggestion &suggestion, CountSource &asking) : m_suggestion(suggestion), m_asking(asking) {}

    // The file the next count is for (native bytes).
    void setFile(const QByteArray &path) { m_file = path; }
    std::optional<int> wordCount(const QString &oldName, const QString &workingName) override;

private:
    CountSuggestion &m_suggestion;
    CountSource &m_asking;
    QByteArray m_file;
};
