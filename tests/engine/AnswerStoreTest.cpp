// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "AnswerStore.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(AnswerStore, AppendsDecimalLinesWithCrLfAndReadsThemBack)
{
    TempDir dir;
    AnswerStore store(dir.filePath(QStringLiteral("renamer.dat")));
    EXPECT_EQ(store.read().error.number, 53);
    EXPECT_FALSE(store.append(2));
    EXPECT_FALSE(store.append(32767));
    EXPECT_EQ(dir.read(QStringLiteral("renamer.dat")), "2\r\n32767\r\n");
    const AnswerStore::Contents c = store.read();
    EXPECT_FALSE(c.error);
    EXPECT_EQ(c.counts, (QList<std::optional<int>>{2, 32767}));
    store.remove();
    EXPECT_FALSE(dir.exists(QStringLiteral("renamer.dat")));
}

TEST(AnswerStore, LinesThatAreNoCountReadAsMissing)
{
    TempDir dir;
    dir.write(QStringLiteral("renamer.dat"), "3\n+4\r\n0\r\n\r\n40000\r\n007\r\n12");
    const AnswerStore::Contents c = AnswerStore(dir.filePath(QStringLiteral("renamer.dat"))).read();
    EXPECT_EQ(c.counts, (QList<std::optional<int>>{3, std::nullopt, std::nullopt, std::nullopt, std::nullopt, 7, 12}));
}

} // namespace
