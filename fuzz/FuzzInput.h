// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Carves one fuzz input into the values a harness needs: numbers and texts first,
// the rest as one block. Whatever runs out reads as zero or empty, so every input
// is usable and the fuzzer never wastes time on rejected ones.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size);

    quint8 byte();
    quint16 word();
    // A text of at most maxBytes bytes (its length taken from the input), decoded as UTF-8.
    QString text(int maxBytes);
    QByteArray rest();

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

// A broken invariant: prints what was expected and aborts, so libFuzzer keeps the input.
// Harnesses check with this rather than assert(), which the release build compiles out.
[[noreturn]] void fuzzFailure(const char *what, const QString &detail = {});

inline void fuzzCheck(bool holds, const char *what, const QString &detail = {})
{
    if (!holds)
        fuzzFailure(what, detail);
}
