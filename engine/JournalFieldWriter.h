// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <cstring>

// Writes journal fields straight into one buffer: the intent is built for every file
// of a pass before the first rename, so it stays within the renames' own budget, and a
// QByteArray append per piece cost more than the renames' own user time.
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
    static qsizetype fieldRoom(QByteArrayView bytes) { return 1 + 3 * bytes.size(); }
    static constexpr qsizetype kNumberRoom = 1 + 20;

    // What is written so far, and starting again at the buffer's beginning once the
    // caller has passed it on.
    qsizetype size() const { return m_at; }
    const char *data() const { return m_out.constData(); }
    void restart() { m_at = 0; }

    void put(char c) { m_data[m_at++] = c; }
    static bool plain(uchar u) { return u >= 0x20 && u != 0x7F && u != '%'; }
    void field(QByteArrayView bytes)
    {
        static const char hex[] = "0123456789ABCDEF";
        put('\t');
        const char *p = bytes.data();
        const char *const end = p + bytes.size();
        while (p != end) {
            // Names are mostly plain bytes: copied a run at a time, found eight at a time.
            const char *const run = p;
            while (end - p >= 8 && plainWord(p))
                p += 8;
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
    // Whether none of eight bytes is a control byte, DEL or '%' (the bit tricks of
    // "determine if a word has a byte less than n" and "has a zero byte").
    static bool plainWord(const char *p)
    {
        constexpr quint64 ones = 0x0101010101010101ull;
        constexpr quint64 highs = 0x8080808080808080ull;
        quint64 w;
        std::memcpy(&w, p, 8);
        const auto hasZero = [](quint64 v) { return (v - ones) & ~v & highs; };
        const quint64 below = (w - ones * 0x20) & ~w & highs;
        return !(below | hasZero(w ^ (ones * 0x7F)) | hasZero(w ^ (ones * '%')));
    }

    QByteArray &m_out;
    qsizetype m_at;
    char *m_data = nullptr;
};
