// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CaseMapping.h"
#include "NameNormaliser.h"
#include "UnicodeDataFile.h"

#include <gtest/gtest.h>

namespace {

TEST(CaseMapping, EveryCodeUnitMapsAsUnicodeDataSays)
{
    const UnicodeDataFile &data = UnicodeDataFile::instance();
    ASSERT_TRUE(data.loaded()) << data.error().toStdString();
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        const char16_t c = char16_t(u);
        ASSERT_EQ(unsigned(CaseMapping::lower(c)), unsigned(data.lower(c))) << std::hex << unsigned(u);
        ASSERT_EQ(unsigned(CaseMapping::upper(c)), unsigned(data.upper(c))) << std::hex << unsigned(u);
    }
}

// The letters whose special-casing entries made the general-purpose mapping skip them.
TEST(CaseMapping, LettersWithSpecialCasingEntries)
{
    struct Row { char16_t given, lower, upper; };
    const Row rows[] = {
        {u'\u0130', u'i', u'\u0130'},      // İ
        {u'\u1FB3', u'\u1FB3', u'\u1FBC'}, // ᾳ -> ᾼ
        {u'\u1FBC', u'\u1FB3', u'\u1FBC'},
        {u'\u1F80', u'\u1F80', u'\u1F88'},
        {u'\u1FF3', u'\u1FF3', u'\u1FFC'},
        {u'\u00DF', u'\u00DF', u'\u00DF'}, // ß has no one-letter capital
        {u'\uA7AE', u'\u026A', u'\uA7AE'}, // a difference beyond 16 bits signed
        {char16_t(0xD801), char16_t(0xD801), char16_t(0xD801)},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(unsigned(CaseMapping::lower(r.given)), unsigned(r.lower)) << std::hex << unsigned(r.given);
        EXPECT_EQ(unsigned(CaseMapping::upper(r.given)), unsigned(r.upper)) << std::hex << unsigned(r.given);
    }
}

TEST(CaseMapping, NamingModesUseIt)
{
    EXPECT_EQ(FormatName(QStringLiteral("KİTAP OKU.mp3"), 1), QStringLiteral("(Kitap) Oku.mp3"));
    EXPECT_EQ(FormatName(QStringLiteral("ᾳ ᾳ.mp3"), 1), QStringLiteral("(ᾼ) ᾼ.mp3"));
    EXPECT_EQ(CapitalizeOnly(QStringLiteral("ᾳᾼ İ.mp3")), QStringLiteral("ᾼᾳ I.mp3"));
}

} // namespace
