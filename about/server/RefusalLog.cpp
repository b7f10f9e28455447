// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "RefusalLog.h"

#include <QDeadlineTimer>
#include <cstdio>

RefusalLog::RefusalLog(qint64 intervalMs, Sink sink, Clock clock)
    : m_intervalMs(intervalMs)
    , m_sink(sink ? std::move(sink) : Sink([](const QString &line) {
        std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fflush(stderr);
    }))
    , m_clock(clock ? std::move(clock) : Clock([] { return QDeadlineTimer::current().deadline(); }))
{
}

void RefusalLog::note(const QString &kind, const QString &detail)
{
    const qint64 now = m_clock();
    Kind &k = m_kinds[kind];
    if (k.written && now - k.lastWritten < m_intervalMs) {
        ++k.unwritten;
        return;
    }
    QString line = QStringLiteral("marlune-server: refused: %1 (%2)").arg(kind, detail);
    if (k.unwritten > 0)
        line += QStringLiteral(", %1 more not logged").arg(k.unwritten);
    m_sink(line);
    k = {now, true, 0};
}
