// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "WebAddress.h"

#include <gtest/gtest.h>

TEST(WebAddress, OpensOnlyHttpAndHttpsAddresses)
{
    const QList<std::pair<QString, bool>> rows{
        {"https://marlune.example/", true},
        {"http://marlune.example/download?v=1.0.90", true},
        {"  HTTPS://Marlune.Example  ", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"mailto:author@marlune.example", false},
        {"ftp://marlune.example/", false},
        {"www.marlune.example", false},
        {"http://", false},
        {"https://exa mple.org/", false},
        {"", false},
        {"/usr/bin/xterm", false},
    };
    for (const auto &[text, opens] : rows)
        EXPECT_EQ(webAddressToOpen(text).has_value(), opens) << text.toStdString();
}
