// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "GenreCollection.h"
#include "GenreTable.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(GenreTable, EveryNumberOnceAndTheBlankEntryLast)
{
    std::set<int> numbers;
    for (const GenreTable::Row &row : GenreTable::rows())
        numbers.insert(row.number);
    EXPECT_EQ(numbers.size(), 148u);
    EXPECT_EQ(*numbers.rbegin(), 147);
    const QStringList list = GenreTable::listEntries();
    ASSERT_EQ(list.size(), 149);
    EXPECT_EQ(list.first(), QStringLiteral("Acapella"));
    EXPECT_EQ(list.at(147), QStringLiteral("Vocal"));
    EXPECT_EQ(list.last(), QStringLiteral(" "));
}

// Showing a number and taking the chosen entry are inverse for every row.
TEST(GenreTable, ShowAndTakeRoundTripForEveryRow)
{
    for (int index = 0; index < GenreTable::RowCount; ++index) {
        const quint8 number = GenreTable::numberForListIndex(index);
        EXPECT_EQ(GenreTable::listIndexForNumber(number), index);
        EXPECT_EQ(GenreTable::numberForName(GenreTable::nameForNumber(number)), number);
    }
    for (int number = 148; number <= 255; ++number)
        EXPECT_EQ(GenreTable::listIndexForNumber(quint8(number)), GenreTable::BlankIndex);
    EXPECT_EQ(GenreTable::numberForListIndex(GenreTable::BlankIndex), 255);
    EXPECT_EQ(GenreTable::numberForListIndex(-1), 255);
}

TEST(GenreTable, KnownRowsAndNames)
{
    struct Row { quint8 number; const char *name; };
    for (const Row &row : {Row{0, "Blues"}, Row{17, "Rock"}, Row{147, "SynthPop"}, Row{123, "Acapella"}}) {
        EXPECT_EQ(GenreTable::nameForNumber(row.number), QLatin1String(row.name));
        EXPECT_EQ(GenreTable::listEntries().at(GenreTable::listIndexForNumber(row.number)), QLatin1String(row.name));
    }
    EXPECT_EQ(GenreTable::numberForName(QStringLiteral(" rOcK ")), 17);
    EXPECT_EQ(GenreTable::numberForName(QStringLiteral("Rock & Roll")), std::nullopt);
    EXPECT_EQ(GenreTable::nameForNumber(200), QString());
}

TEST(GenreCollection, ThreeCharacterKeysLookedUpInAnyCase)
{
    const GenreCollection genres;
    ASSERT_EQ(genres.count(), 148);
    EXPECT_EQ(genres.texts().first(), QStringLiteral("123Acapella"));
    EXPECT_EQ(genres.item(QStringLiteral("blues")), QStringLiteral("0  Blues"));
    EXPECT_EQ(genres.item(QStringLiteral("ACID")), QStringLiteral("34 Acid"));
    EXPECT_EQ(genres.item(QStringLiteral("nothing")), std::nullopt);
    for (const QString &text : genres.texts()) {
        const QString name = text.mid(3).trimmed();
        EXPECT_EQ(GenreCollection::numberOfText(text), GenreTable::numberForName(name)) << text.toStdString();
    }
}

} // namespace
