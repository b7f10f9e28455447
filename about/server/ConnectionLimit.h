// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QHash>
#include <QString>

// Counts the open connections of one port, in all and per sender (PeerKey), so
// that one sender, or one port's clients, cannot take the slots of the others.
class ConnectionLimit
{
public:
    enum class Verdict { Admitted, PortFull, SenderFull };

    ConnectionLimit(int maxTotal, int maxPerSender);

    // Admitted connections are counted until release() with the same key.
    Verdict admit(const QString &sender);
    void release(const QString &sender);
    int open() const { return m_total; }

private:
    int m_maxTotal;
    int m_maxPerSender;
    int m_total = 0;
    QHash<QString, int> m_bySender;
};
