// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <cstdint>

// Unicode's simple case mapping over UTF-16 code units, exactly as UnicodeData.txt
// gives it (fields 12 and 13), including the letters with special-casing entries that
// QChar::toLower/toUpper leave alone (U+0130, the Greek iota-subscript letters).
// BMP only and one unit for one, so a mapped name keeps its length: a surrogate or a
// mapping whose result would leave the BMP maps to itself.
// The tables live in CaseMapping.cpp, written by scripts/gen-case-table.
class CaseMapping
{
public:
    static char16_t lower(char16_t c)
    {
        // ASCII first: nearly every file name is, and it needs no table.
        if (c < 0x80)
            return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        return char16_t(c + s_lowerDelta[s_lowerBlock[c >> 8]][c & 0xFF]);
    }

    static char16_t upper(char16_t c)
    {
        if (c < 0x80)
            return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
        return char16_t(c + s_upperDelta[s_upperBlock[c >> 8]][c & 0xFF]);
    }

private:
    // Per high byte, the block of per-unit differences (modulo 2^16) that serves it.
    static const std::uint8_t s_lowerBlock[256];
    static const std::uint16_t s_lowerDelta[][256];
    static const std::uint8_t s_upperBlock[256];
    static const std::uint16_t s_upperDelta[][256];
};
