// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "AnswerStore.h"
#include "CountSource.h"
#include "Dialogs.h"

// The count source of a preview: asks the user for each name and, given an answer
// store, appends every usable answer to it, so a later rename phase can replay it.
class AskingCountSource : public CountSource
{
public:
    explicit AskingCountSource(Dialogs &dialogs, AnswerStore *store = nullptr) : m_dialogs(dialogs), m_store(store) {}

    std::optional<int> wordCount(const QString &oldName, const QString &workingName) override;

    // The failure of the last append, if any; the count it belonged to was not given out.
    ErrorInfo takeError();

    static QString prompt(const QString &oldName, const QString &workingName);

private:
    Dialogs &m_dialogs;
    AnswerStore *m_store;
    ErrorInfo m_error;
};
