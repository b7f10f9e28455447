// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "Dialogs.h"

#include <QQueue>
#include <QStringList>
#include <functional>

// Answers prompts from a script and records every prompt and message, so a test
// reads exactly what a user would have seen.
class ScriptedDialogs : public Dialogs
{
public:
    struct Prompt { QString prompt, title, defaultText; };
    struct Message { QString text; Icon icon; QString caption; };

    // Queue the text the next prompt answers with; an empty string is Cancel.
    void answer(const QString &text) { m_answers.enqueue(text); }
    // Called for every prompt when no queued answer is left (default: Cancel).
    void setFallback(std::function<QString(const Prompt &)> fallback) { m_fallback = std::move(fallback); }
    // Run when a message is shown, e.g. to act while a modal box would be up.
    void onMessage(std::function<void(const Message &)> hook) { m_onMessage = std::move(hook); }

    // Queue the answer of the next yes/no question (default: No).
    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }

    QString askText(const QString &prompt, const QString &title, const QString &defaultText) override;
    void showMessage(const QString &text, Icon icon, const QString &caption) override;
    bool askYesNo(const QString &text, const QString &caption) override;

    const QList<Prompt> &prompts() const { return m_prompts; }
    const QList<Message> &messages() const { return m_messages; }
    // The yes/no questions asked, each with its caption.
    const QList<Message> &questions() const { return m_questions; }
    QStringList messageTexts() const;
    void clear();

private:
    QQueue<QString> m_answers;
    std::function<QString(const Prompt &)> m_fallback;
    std::function<void(const Message &)> m_onMessage;
    QList<Prompt> m_prompts;
    QList<Message> m_messages;
    QQueue<bool> m_yesNo;
    QList<Message> m_questions;
};
