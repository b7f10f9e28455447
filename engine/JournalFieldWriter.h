// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cstring>

// Writes journal fields straight into one buffer, sized by the caller: the intent is
// built for every file of a pass before the first rename, so it stays within the
// renames' own budget, and a QByteArray append per piece cost more than the renames'
// own user time.
class JournalFieldWriter
{
public:
    explicit JournalFieldWriter(QByteArray &out) : m_out(out), m_at(out.size()) {}
    ~JournalFieldWriter() { m_out.truncate(m_at); }

    // Makes room for a line of this many bytes at most.
    void room(qsizetype bytes)
    {
        if (m_at + bytes > m_out.size())
            m_out.resize(std::max(m_out.size() * 2, m_at + bytes));
        m_data = m_out.data();
    }
    // The most a field of these bytes takes: its tab and each byte percent-encoded.
    static qsizetype fieldRoom(const QByteArray &bytes) { return 1 + 3 * bytes.size(); }
    static constexpr qsizetype kNumberRoom = 1 + 20;

    void put(char c) { m_data[m_at++] = c; }
    static bool plain(uchar u) { return u >= 0x20 && u != 0x7F && u != '%'; }
    void field(const QByteArray &bytes)
    {
        static const char hex[] = "0123456789ABCDEF";
        put('\t');
        const char *p = bytes.constData();
        const char *const end = p + bytes.size();
        while (p != end) {
            // Names are mostly plain bytes: copied a run at a time.
            const char *const run = p;
            while (p != end && plain(uchar(*p)))
                ++p;
            std::memcpy(m_data + m_at, run, size_t(p - run));
            m_at += p - run;
            if (p == end)
                break;
            const uchar u = uchar(*p++);
            put('%');
            put(hex[u >> 4]);
            put(hex[u & 15]);
        }
    }
    void number(qint64 value)
    {
        put('\t');
        m_at = std::to_chars(m_data + m_at, m_data + m_out.size(), value).ptr - m_data;
    }

private:
    QByteArray &m_out;
    qsizetype m_at;
    char *m_data = nullptr;
};
