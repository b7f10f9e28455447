// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ConnectionLimit.h"

ConnectionLimit::ConnectionLimit(int maxTotal, int maxPerSender)
    : m_maxTotal(maxTotal)
    , m_maxPerSender(maxPerSender)
{
}

ConnectionLimit::Verdict ConnectionLimit::admit(const QString &sender)
{
    if (m_total >= m_maxTotal)
        return Verdict::PortFull;
    int &count = m_bySender[sender];
    if (count >= m_maxPerSender)
        return Verdict::SenderFull;
    ++count;
    ++m_total;
    return Verdict::Admitted;
}

void ConnectionLimit::release(const QString &sender)
{
    const auto it = m_bySender.find(sender);
    if (it == m_bySender.end())
        return;
    --m_total;
    // Keys of closed connections go, so the table stays as small as the open set.
    if (--it.value() <= 0)
        m_bySender.erase(it);
}
