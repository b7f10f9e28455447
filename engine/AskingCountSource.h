// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "AnswerStore.h"
#include "CountSource.h"
#include "CountSuggestion.h"
#include "Dialogs.h"

// The count source of a preview: asks the user for each name and, given an answer
// store, appends every usable answer to it, so a later rename phase can replay it. The
// prompt offers what the file's tag suggests, else the previous answer, else 1.
class AskingCountSource : public CountSource
{
public:
    explicit AskingCountSource(Dialogs &dialogs, AnswerStore *store = nullptr) : m_dialogs(dialogs), m_store(store) {}

    std::optional<int> wordCount(const QString &oldName, const QString &workingName) override;

    // Where the prompt's offered answer may come from, and the file the next question
    // is about (native bytes).
    void setSuggestion(CountSuggestion *suggestion) { m_suggestion = suggestion; }
    void setFile(const QByteArray &path) { m_file = path; }
    QString offeredAnswer(const QString &workingName) const;

    // The failure of the last append, if any; the count it belonged to was not given out.
    ErrorInfo takeError();

    static QString prompt(const QString &oldName, const QString &workingName);

private:
    Dialogs &m_dialogs;
    AnswerStore *m_store;
    ErrorInfo m_error;
    CountSuggestion *m_suggestion = nullptr;
    QByteArray m_file;
    std::optional<int> m_previous;
};
