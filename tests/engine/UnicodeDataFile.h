// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include <QString>
#include <array>

// The simple case mappings read straight from Debian's copy of UnicodeData.txt, as the
// independent reference for CaseMapping: BMP results only, one unit for one.
class UnicodeDataFile
{
public:
    static constexpr const char *Path = "/usr/share/unicode/UnicodeData.txt";

    // Read once; loaded() is false (and error() says why) when the file is missing.
    static const UnicodeDataFile &instance();

    bool loaded() const { return m_loaded; }
    QString error() const { return m_error; }
    char16_t lower(char16_t c) const { return m_lower[c]; }
    char16_t upper(char16_t c) const { return m_upper[c]; }

private:
    UnicodeDataFile();

    std::array<char16_t, 0x10000> m_lower{}, m_upper{};
    bool m_loaded = false;
    QString m_error;
};
