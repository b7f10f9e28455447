// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <optional>

// Where FormatName gets the number of words that make up the artist. While a preview is
// built the user is asked (and the answer stored); while renaming, the stored answer is
// replayed. nullopt means the name gets no count, so its proposal is "Empty".
class CountSource
{
public:
    virtual ~CountSource();

    // oldName is the name FormatName was given; workingName its cleaned form that
    // already begins with "(", shown to the user so the words can be counted.
    virtual std::optional<int> wordCount(const QString &oldName, const QString &workingName) = 0;
};

// A count known in advance: the stored answer of one entry, or a count given on the
// command line. nullopt stands for a missing answer.
class FixedCountSource : public CountSource
{
public:
    explicit FixedCountSource(std::optional<int> count) : m_count(count) {}
    std::optional<int> wordCount(const QString &, const QString &) override { return m_count; }

private:
    std::optional<int> m_count;
};
