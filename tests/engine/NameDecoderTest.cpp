// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NameDecoder.h"

#include <gtest/gtest.h>

namespace {

struct Decoding
{
    const char *encoding;
    QByteArray bytes;
    const char16_t *text;
};

class NameDecoding : public ::testing::TestWithParam<Decoding> {};

TEST_P(NameDecoding, ShowsUtf8AsItIsAndEverythingElseInTheLegacyEncoding)
{
    const Decoding &d = GetParam();
    const std::optional<NameDecoder> decoder = NameDecoder::forEncoding(QString::fromLatin1(d.encoding));
    ASSERT_TRUE(decoder);
    const NativeName name = decoder->decode(d.bytes);
    EXPECT_EQ(name.text(), QStringView(d.text).toString()) << d.bytes.toHex().constData();
    EXPECT_EQ(name.native(), d.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameDecoding,
    ::testing::Values(Decoding{"windows-1252", "Caf\xc3\xa9.mp3", u"Café.mp3"},
                      Decoding{"windows-1252", "song\xef\xbf\xbd.mp3", u"song\ufffd.mp3"},
                      Decoding{"windows-1252", "song\xe9.mp3", u"songé.mp3"},
                      Decoding{"windows-1252", "\x80\x81\x8d\x8f\x90\x9d\x9f", u"€\ufffd\ufffd\ufffd\ufffd\ufffdŸ"},
                      Decoding{"windows-1252", "\xef\xbb\xbfsong.mp3", u"\ufeffsong.mp3"},
                      Decoding{"windows-1252", "cut\xc3", u"cutÃ"},
                      Decoding{"windows-1252", "\xed\xa0\x80", u"í\u00a0\u20ac"},
                      Decoding{"iso-8859-2", "\xb1\xe6.mp3", u"ąć.mp3"},
                      Decoding{"shift_jis", "\x93\xfa\x96\x7b.mp3", u"日本.mp3"}));

TEST(NameDecoder, KnowsOnlyRealEncodingsAndTakesTheEnvironmentsChoice)
{
    EXPECT_FALSE(NameDecoder::forEncoding(QStringLiteral("no-such-encoding")));
    EXPECT_FALSE(NameDecoder::forEncoding(QString()));
    EXPECT_EQ(NameDecoder().encoding(), QStringLiteral("windows-1252"));

    qputenv(NameDecoder::environmentVariable(), "iso-8859-2");
    EXPECT_EQ(NameDecoder::fromEnvironment().text("\xb1"), u"ą"_qs);
    qputenv(NameDecoder::environmentVariable(), "klingon");
    QString unknown;
    EXPECT_EQ(NameDecoder::fromEnvironment(&unknown).encoding(), QStringLiteral("windows-1252"));
    EXPECT_EQ(unknown, QStringLiteral("klingon"));
    qunsetenv(NameDecoder::environmentVariable());
}

} // namespace
