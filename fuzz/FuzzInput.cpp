// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

FuzzInput::FuzzInput(const uint8_t *data, size_t size)
    : m_data(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))
{
}

quint8 FuzzInput::byte()
{
    return m_pos < m_data.size() ? static_cast<quint8>(m_data.at(m_pos++)) : 0;
}

quint16 FuzzInput::word()
{
    const quint16 high = byte();
    return static_cast<quint16>(high << 8 | byte());
}

QString FuzzInput::text(int maxBytes)
{
    const qsizetype length = qMin<qsizetype>(byte() % (maxBytes + 1), m_data.size() - m_pos);
    const QByteArray bytes = m_data.mid(m_pos, length);
    m_pos += length;
    return QString::fromUtf8(bytes);
}

QByteArray FuzzInput::rest()
{
    const QByteArray bytes = m_data.mid(m_pos);
    m_pos = m_data.size();
    return bytes;
}

void fuzzFailure(const char *what, const QString &detail)
{
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}
