// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

// At most perHour comments per sender (PeerKey) within any hour. The clock, in
// milliseconds, is injectable so the hour can be crossed in a test.
class CommentQuota
{
public:
    using Clock = std::function<qint64()>;

    CommentQuota(int perHour, Clock clock = {});

    // Counts one comment of sender; false, and nothing counted, when its hour is full.
    bool take(const QString &sender);

private:
    void forgetExpired(qint64 now);

    static constexpr qint64 hourMs = 3600 * 1000;
    // Beyond this many senders in one hour every new sender is refused: the
    // table's memory stays bounded however many addresses an attacker has.
    static constexpr int maxSenders = 65536;

    int m_perHour;
    Clock m_clock;
    QHash<QString, QList<qint64>> m_taken; // each sender's times of the last hour, oldest first
};
