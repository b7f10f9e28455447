// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "CommentQuota.h"
#include "ConnectionLimit.h"
#include "PeerKey.h"
#include "RefusalLog.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Verdict = ConnectionLimit::Verdict;

TEST(ConnectionLimit, CapsEachSenderAndThePort)
{
    ConnectionLimit limit(3, 2);
    EXPECT_EQ(limit.admit("a"), Verdict::Admitted);
    EXPECT_EQ(limit.admit("a"), Verdict::Admitted);
    EXPECT_EQ(limit.admit("a"), Verdict::SenderFull);
    EXPECT_EQ(limit.admit("b"), Verdict::Admitted);
    EXPECT_EQ(limit.admit("c"), Verdict::PortFull);
    limit.release("a");
    EXPECT_EQ(limit.admit("c"), Verdict::Admitted);
    // A refused sender was never counted, so releasing an unknown one changes nothing.
    limit.release("z");
    EXPECT_EQ(limit.open(), 3);
}

TEST(CommentQuota, CountsEachSenderOverASlidingHour)
{
    qint64 now = 1000;
    CommentQuota quota(2, [&] { return now; });
    EXPECT_TRUE(quota.take("a"));
    now += 30 * 60 * 1000;
    EXPECT_TRUE(quota.take("a"));
    EXPECT_FALSE(quota.take("a"));
    EXPECT_TRUE(quota.take("b"));
    now += 30 * 60 * 1000 - 1;
    EXPECT_FALSE(quota.take("a"));
    now += 1; // the first comment is an hour old
    EXPECT_TRUE(quota.take("a"));
    EXPECT_FALSE(quota.take("a"));
}

TEST(RefusalLog, WritesEachKindOncePerIntervalAndCountsTheRest)
{
    qint64 now = 0;
    QStringList lines;
    RefusalLog log(1000, [&](const QString &line) { lines << line; }, [&] { return now; });
    log.note("port full", "127.0.0.1");
    log.note("port full", "127.0.0.1");
    log.note("quota", "127.0.0.2");
    now = 999;
    log.note("port full", "127.0.0.3");
    now = 1000;
    log.note("port full", "127.0.0.4");
    EXPECT_EQ(lines, (QStringList{"marlune-server: refused: port full (127.0.0.1)",
                                  "marlune-server: refused: quota (127.0.0.2)",
                                  "marlune-server: refused: port full (127.0.0.4), 2 more not logged"}));
}

TEST(PeerKey, GroupsIpv6ByItsSlash64)
{
    EXPECT_EQ(peerKey(QHostAddress("::ffff:192.0.2.7")), peerKey(QHostAddress("192.0.2.7")));
    EXPECT_EQ(peerKey(QHostAddress("2001:db8:1:2::1")), peerKey(QHostAddress("2001:db8:1:2:ffff::9")));
    EXPECT_NE(peerKey(QHostAddress("2001:db8:1:2::1")), peerKey(QHostAddress("2001:db8:1:3::1")));
    EXPECT_NE(peerKey(QHostAddress("192.0.2.7")), peerKey(QHostAddress("192.0.2.8")));
}

} // namespace
