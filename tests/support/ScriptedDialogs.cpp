// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ScriptedDialogs.h"

QString ScriptedDialogs::askText(const QString &prompt, const QString &title, const QString &defaultText)
{
    const Prompt p{prompt, title, defaultText};
    m_prompts.append(p);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return m_fallback ? m_fallback(p) : QString();
}

void ScriptedDialogs::showMessage(const QString &text, Icon icon, const QString &caption)
{
    const Message m{text, icon, caption};
    m_messages.append(m);
    if (m_onMessage)
        m_onMessage(m);
}

bool ScriptedDialogs::askYesNo(const QString &text, const QString &caption)
{
    m_questions.append({text, Icon::None, caption});
    return !m_yesNo.isEmpty() && m_yesNo.dequeue();
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Message &m : m_messages)
        texts.append(m.text);
    return texts;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_prompts.clear();
    m_messages.clear();
    m_yesNo.clear();
    m_questions.clear();
}
