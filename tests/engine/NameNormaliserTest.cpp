// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "NameNormaliser.h"
#include "UnicodeDataFile.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Example
{
    const char16_t *name;
    int words;
    const char16_t *expected;
};

class FormatNameExamples : public ::testing::TestWithParam<Example> {};

TEST_P(FormatNameExamples, GivesTheProgramsForm)
{
    const Example &e = GetParam();
    EXPECT_EQ(FormatName(QString::fromUtf16(e.name), e.words), QString::fromUtf16(e.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Names, FormatNameExamples,
    ::testing::Values(Example{u"the_owls-blue sky.MP3", 2, u"(The Owls) Blue Sky.mp3"},
                      Example{u"the_owls-blue sky.MP3", 1, u"(The) Owls Blue Sky.mp3"},
                      Example{u"[Artist] - Song (live).mp3", 1, u"(Artist) Song Live .mp3"},
                      Example{u"Song.MP3", 1, u"(Song.mp3"},
                      Example{u"Song.MP3", 2, u"(Song.mp3"},
                      Example{u"song .MP3", 1, u"(Song) .mp3"},
                      Example{u"MixTape don't.mp3", 1, u"(Mixtape) Don't.mp3"},
                      Example{u"  __a   b__  .mp3", 2, u"(A B) .mp3"},
                      Example{u".hidden song.mp3", 1, u"(.hidden) Song.mp3"},
                      Example{u"a.b.c.d", 1, u"(A.b.c.d"},
                      Example{u"noextension", 1, u"(Noextension"},
                      Example{u"tab\there x.mp3", 1, u"(Tab\there) X.mp3"},
                      Example{u"ÉCOLE été.mp3", 1, u"(École) Été.mp3"},
                      Example{u"a b c.mp3", 32767, u"(A B C.mp3"}));

// Every name that comes out of the scrambler below is one the rename pass must be able
// to replay: formatting a proposal again with its count gives the proposal back.
QString randomName(QRandomGenerator &rng)
{
    static const QString alphabet = QStringLiteral("aZ _-[]{}()(.. 0x9'\tÉéßſǅK\u0130\u0131\u03a3\u1fb3\u1fbc");
    QString name;
    const int length = int(rng.bounded(1, 24));
    for (int i = 0; i < length; ++i)
        name.append(alphabet.at(rng.bounded(qsizetype(alphabet.size()))));
    return name;
}

// The steps exactly as the name normaliser describes them, one at a time; the library
// runs them fused into one pass.
QString trimSpaces(QString s)
{
    while (s.startsWith(u' '))
        s.remove(0, 1);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

QString referenceFormat(QString s, int n)
{
    for (QChar &c : s)
        if (c == u'_')
            c = u' ';
    s = trimSpaces(s);
    for (QChar &c : s)
        if (QStringView(u"-][}{)(").contains(c))
            c = u' ';
    s = CollapseSpaces(s);
    // Case mapping straight from Unicode's own file, not from QChar, whose mapping
    // skips the letters with special-casing entries.
    const UnicodeDataFile &data = UnicodeDataFile::instance();
    for (QChar &c : s)
        c = QChar(data.lower(c.unicode()));
    s = trimSpaces(s);
    if (s.isEmpty())
        return emptyProposal();
    s[0] = QChar(data.upper(s[0].unicode()));
    for (qsizetype i = 1; i + 1 < s.size(); ++i)
        if (s[i] == u' ')
            s[i + 1] = QChar(data.upper(s[i + 1].unicode()));
    s.prepend(u'(');
    int spaces = 0;
    for (qsizetype p = 0; p < s.size(); ++p)
        if (s[p] == u' ' && ++spaces == n)
            return s.left(p) + u')' + s.mid(p);
    return s;
}

TEST(FormatName, MatchesTheStepwiseRulesAndIsItsOwnFixedPoint)
{
    ASSERT_TRUE(UnicodeDataFile::instance().loaded()) << UnicodeDataFile::instance().error().toStdString();
    QRandomGenerator rng(1234);
    for (int i = 0; i < 20000; ++i) {
        const QString name = randomName(rng);
        const int n = int(rng.bounded(1, 6));
        const QString once = FormatName(name, n);
        ASSERT_EQ(once, referenceFormat(name, n)) << name.toStdString();
        if (once != emptyProposal()) {
            ASSERT_EQ(FormatName(once, n), once) << name.toStdString();
        }
    }
}

TEST(FormatName, FixedPointHoldsForEveryCharacter)
{
    for (char32_t u = 1; u <= 0xFFFF; ++u) {
        const QString name = QStringLiteral("ab ") + QChar(char16_t(u)) + QStringLiteral("c ") + QChar(char16_t(u));
        const QString once = FormatName(name, 1);
        ASSERT_EQ(FormatName(once, 1), once) << unsigned(u);
    }
}

class CountingSource : public CountSource
{
public:
    std::optional<int> answer;
    QStringList asked;
    std::optional<int> wordCount(const QString &oldName, const QString &working) override
    {
        asked << oldName << working;
        return answer;
    }
};

TEST(FormatName, AsksWithTheOldAndTheWorkingNameAndGivesEmptyWithoutACount)
{
    CountingSource source;
    EXPECT_EQ(FormatName(QStringLiteral("the_owls-blue sky.MP3"), source), emptyProposal());
    EXPECT_EQ(source.asked, (QStringList{QStringLiteral("the_owls-blue sky.MP3"), QStringLiteral("(The Owls Blue Sky.mp3")}));
    source.answer = 0;
    EXPECT_EQ(FormatName(QStringLiteral("a b"), source), emptyProposal());
    source.answer = -3;
    EXPECT_EQ(FormatName(QStringLiteral("a b"), source), emptyProposal());
}

TEST(FormatName, NameOfOnlySeparatorsIsEmptyWithoutAsking)
{
    for (const QString &name : {QStringLiteral("---"), QStringLiteral("_ _"), QStringLiteral("()[]{}"), QStringLiteral(" ")}) {
        CountingSource source;
        source.answer = 1;
        EXPECT_EQ(FormatName(name, source), emptyProposal()) << name.toStdString();
        EXPECT_TRUE(source.asked.isEmpty());
    }
}

struct TextCase
{
    QString (*mode)(const QString &);
    const char16_t *name;
    const char16_t *expected;
};

class SimpleModes : public ::testing::TestWithParam<TextCase> {};

TEST_P(SimpleModes, Transform)
{
    const TextCase &c = GetParam();
    EXPECT_EQ(c.mode(QString::fromUtf16(c.name)), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SimpleModes,
    ::testing::Values(
        TextCase{CapitalizeOnly, u"(the owls) help.mp3", u"(The Owls) Help.mp3"},
        // The first character is capitalised when it is a letter, otherwise the second.
        TextCase{CapitalizeOnly, u"abc def.mp3", u"Abc Def.mp3"},
        TextCase{CapitalizeOnly, u"[Artist] - Song (live).mp3", u"[Artist] - Song (live).mp3"},
        TextCase{CapitalizeOnly, u"¿qué pasa.mp3", u"¿Qué Pasa.mp3"},
        TextCase{CapitalizeOnly, u"01 song.mp3", u"01 Song.mp3"},
        TextCase{CapitalizeOnly, u"élan", u"Élan"},
        TextCase{CapitalizeOnly, u"  MIXED_case  song.MP3 ", u"Mixed_case  Song.mp3"},
        TextCase{CapitalizeOnly, u".hidden file", u".Hidden File"},
        TextCase{CapitalizeOnly, u"(", u"("},
        TextCase{CapitalizeOnly, u"   ", u""},
        TextCase{RemoveNumbers, u"01 - Song 2.mp3", u"- Song .mp3"},
        TextCase{RemoveNumbers, u"track.mp3", u"track.mp3"},
        TextCase{RemoveNumbers, u"Track 12", u"Track 2"},
        TextCase{RemoveNumbers, u"a..b.c", u"a..b.c"},
        TextCase{RemoveUnderscore, u"my_song_name.mp3", u"my song name.mp3"},
        TextCase{RemoveUnderscore, u"__My__Song_", u"My Song_"},
        TextCase{RemoveUnderscore, u"tab\t_x", u"tab\t x"}));

TEST(CollapseSpaces, KeepsOneSpaceOfEachRunAndBeginsWithOne)
{
    EXPECT_EQ(CollapseSpaces(QStringLiteral("a  b   c")), QStringLiteral(" a b c"));
    EXPECT_EQ(CollapseSpaces(QStringLiteral("  a ")), QStringLiteral("  a "));
    EXPECT_EQ(CollapseSpaces(QString()), QStringLiteral(" "));
}

TEST(NamingModes, SimpleModesAreTheirOwnFixedPoints)
{
    QRandomGenerator rng(99);
    for (int i = 0; i < 5000; ++i) {
        const QString name = randomName(rng);
        for (auto mode : {CapitalizeOnly, RemoveNumbers, RemoveUnderscore}) {
            const QString once = mode(name);
            ASSERT_EQ(mode(once), once) << name.toStdString();
        }
    }
}

// The old capitalising steps one at a time: lower-case, trim, capitalise.
QString referenceCapitalize(QString s)
{
    const UnicodeDataFile &data = UnicodeDataFile::instance();
    for (QChar &c : s)
        c = QChar(data.lower(c.unicode()));
    s = trimSpaces(s);
    if (s.isEmpty())
        return s;
    const qsizetype first = s[0].isLetter() ? 0 : 1;
    if (first < s.size())
        s[first] = QChar(data.upper(s[first].unicode()));
    for (qsizetype i = 1; i + 1 < s.size(); ++i)
        if (s[i] == u' ')
            s[i + 1] = QChar(data.upper(s[i + 1].unicode()));
    return s;
}

// The checks the rename step makes without building a name must agree with building it,
// on names in and out of the program's form.
TEST(NamingModes, KeepsChecksAgreeWithTheModes)
{
    ASSERT_TRUE(UnicodeDataFile::instance().loaded()) << UnicodeDataFile::instance().error().toStdString();
    QRandomGenerator rng(77);
    for (int i = 0; i < 5000; ++i) {
        const QString name = randomName(rng);
        const int n = int(rng.bounded(0, 4));
        ASSERT_EQ(CapitalizeOnly(name), referenceCapitalize(name)) << name.toStdString();
        for (const QString &text : {name, FormatName(name, std::max(n, 1)), CapitalizeOnly(name)}) {
            ASSERT_EQ(FormatNameKeeps(text, n), FormatName(text, n) == text) << text.toStdString() << ' ' << n;
            ASSERT_EQ(CapitalizeOnlyKeeps(text), CapitalizeOnly(text) == text) << text.toStdString();
        }
    }
    EXPECT_TRUE(FormatNameKeeps(emptyProposal(), 0));
    EXPECT_TRUE(FormatNameKeeps(QStringLiteral("(The Owls) Blue"), 2));
    EXPECT_FALSE(FormatNameKeeps(QStringLiteral("(The Owls) Blue"), 1)); // the count changed since
    EXPECT_FALSE(FormatNameKeeps(QStringLiteral("(The Owls) Blue"), 3));
}

TEST(NamingModes, ApplyPicksTheMode)
{
    FixedCountSource two(2);
    const QString name = QStringLiteral("the_owls-blue 2 sky.MP3");
    EXPECT_EQ(ApplyNamingMode(NamingMode::Format, name, two), QStringLiteral("(The Owls) Blue 2 Sky.mp3"));
    EXPECT_EQ(ApplyNamingMode(NamingMode::Capitalize, name, two), QStringLiteral("The_owls-blue 2 Sky.mp3"));
    EXPECT_EQ(ApplyNamingMode(NamingMode::RemoveNumbers, name, two), QStringLiteral("the_owls-blue sky.MP3"));
    EXPECT_EQ(ApplyNamingMode(NamingMode::RemoveUnderscore, name, two), QStringLiteral("the owls-blue 2 sky.MP3"));
}

struct Answer
{
    const char *text;
    std::optional<int> count;
};

class CountAnswers : public ::testing::TestWithParam<Answer> {};

TEST_P(CountAnswers, ReadAsTheDialogReadsThem)
{
    EXPECT_EQ(ParseCountAnswer(QString::fromUtf8(GetParam().text)), GetParam().count) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CountAnswers,
    ::testing::Values(Answer{"2", 2}, Answer{"2 words", 2}, Answer{" \t\n3", 3}, Answer{"1 2", 12},
                      Answer{"+4", 4}, Answer{"2.5", 2}, Answer{"3.5", 4}, Answer{"1.49", 1},
                      Answer{"0.5", std::nullopt}, Answer{".", std::nullopt}, Answer{"1e1", 10},
                      Answer{"1e", 1}, Answer{"2x", 2}, Answer{"", std::nullopt}, Answer{"two", std::nullopt},
                      Answer{"0", std::nullopt}, Answer{"-1", std::nullopt}, Answer{"32767", 32767},
                      Answer{"32767.4", 32767}, Answer{"32768", std::nullopt}, Answer{"1e9", std::nullopt},
                      Answer{"1e999", std::nullopt}, Answer{"\r2", std::nullopt}, Answer{"٣", std::nullopt}));

} // namespace
