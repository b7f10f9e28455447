// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "ErrorInfo.h"

#include <QList>
#include <QString>
#include <optional>

// renamer.dat: the word counts typed while a preview was built, one decimal line each,
// CR LF ended, in the order of the preview entries that got a count. It exists only
// while such a preview is pending.
class AnswerStore
{
public:
    explicit AnswerStore(const QString &path) : m_path(path) {}

    QString path() const { return m_path; }

    // Appends one line; creates the file on the first append. A failed write leaves the
    // file as it was.
    ErrorInfo append(int count);

    // Every line of the file; a line that is not a count reads as nullopt. error is
    // 53 "File not found" when the file is missing, or the read error.
    struct Contents
    {
        QList<std::optional<int>> counts;
        ErrorInfo error;
    };
    Contents read() const;

    void remove() const;

private:
    QString m_path;
};
