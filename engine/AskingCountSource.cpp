// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AskingCountSource.h"

#include "NameNormaliser.h"

#include <QCoreApplication>

std::optional<int> AskingCountSource::wordCount(const QString &oldName, const QString &workingName)
{
    const QString answer = m_dialogs.askText(prompt(oldName, workingName),
                                             QCoreApplication::translate("AskingCountSource", "User Input Required"),
                                             offeredAnswer(workingName));
    const std::optional<int> count = ParseCountAnswer(answer);
    if (count)
        m_previous = count;
    if (!count || !m_store)
        return count;
    // A count that could not be stored would be replayed as another file's: the entry
    // is left without one instead.
    m_error = m_store->append(*count);
    if (m_error)
        return std::nullopt;
    return count;
}

QString AskingCountSource::offeredAnswer(const QString &workingName) const
{
    std::optional<int> offered;
    if (m_suggestion && !m_file.isEmpty())
        offered = m_suggestion->suggest(m_file, workingName);
    return QString::number(offered.value_or(m_previous.value_or(1)));
}

ErrorInfo AskingCountSource::takeError()
{
    return std::exchange(m_error, ErrorInfo{});
}

QString AskingCountSource::prompt(const QString &oldName, const QString &workingName)
{
    return QCoreApplication::translate("AskingCountSource", "Enter the number of words in artists/groups name: ")
        + QChar(u'\n') + oldName
        + QCoreApplication::translate("AskingCountSource", "\r\nCurrent file name: ") + workingName;
}
