// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QHash>
#include <QString>
#include <functional>

// The server's stderr lines about clients it refused. Each kind of refusal is
// written at most once per interval, so an attack cannot flood the log; the
// line after a quiet spell says how many were left unwritten.
class RefusalLog
{
public:
    using Clock = std::function<qint64()>;
    using Sink = std::function<void(const QString &line)>;

    RefusalLog(qint64 intervalMs, Sink sink = {}, Clock clock = {});

    // kind: a short fixed text ("sender over its connection limit"); detail: the sender.
    void note(const QString &kind, const QString &detail);

private:
    struct Kind
    {
        qint64 lastWritten = 0;
        bool written = false;
        int unwritten = 0;
    };

    qint64 m_intervalMs;
    Sink m_sink;
    Clock m_clock;
    QHash<QString, Kind> m_kinds;
};
