// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentQuota.h"

#include <QDeadlineTimer>

CommentQuota::CommentQuota(int perHour, Clock clock)
    : m_perHour(perHour)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDeadlineTimer::current().deadline(); }))
{
}

bool CommentQuota::take(const QString &sender)
{
    const qint64 now = m_clock();
    if (m_taken.size() >= maxSenders && !m_taken.contains(sender))
        forgetExpired(now);
    auto it = m_taken.find(sender);
    if (it == m_taken.end()) {
        if (m_taken.size() >= maxSenders)
            return false;
        it = m_taken.insert(sender, {});
    }
    QList<qint64> &times = it.value();
    while (!times.isEmpty() && now - times.first() >= hourMs)
        times.removeFirst();
    if (times.size() >= m_perHour)
        return false;
    times.append(now);
    return true;
}

void CommentQuota::forgetExpired(qint64 now)
{
    m_taken.removeIf([now](const auto &entry) {
        return entry.value().isEmpty() || now - entry.value().last() >= hourMs;
    });
}
