// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

// The scripted dialogs are what every window test reads messages through; a
// fault here would hide faults everywhere else.
TEST(ScriptedDialogs, AnswersInOrderThenCancels)
{
    ScriptedDialogs d;
    d.answer(QStringLiteral("2"));
    EXPECT_EQ(d.askText(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("1")), QStringLiteral("2"));
    EXPECT_EQ(d.askText(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("1")), QString());
    ASSERT_EQ(d.prompts().size(), 2);
    EXPECT_EQ(d.prompts().at(0).defaultText, QStringLiteral("1"));
}
