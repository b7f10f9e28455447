// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "HostInfo.h"

#include <gtest/gtest.h>

namespace {

HostInfo held() { return {"v", "w", "e", "1", "2", "3", "4", "5"}; }

struct ParseCase
{
    const char *name;
    QString reply;
    HostInfo expected;
};

class ParseReplyTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseReplyTest, StoresEachEndedFieldInTurn)
{
    HostInfo info = held();
    ParseReply(GetParam().reply, info);
    EXPECT_EQ(info, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ParseReplyTest,
    testing::Values(
        ParseCase{"Full", "1.0.90|web|mail|10|0|0|1|1001|",
                  {"1.0.90", "web", "mail", "10", "0", "0", "1", "1001"}},
        ParseCase{"LastFieldWithoutBarIsDropped", "1.0.90|web|mail|10|0|0|1|1001",
                  {"1.0.90", "web", "mail", "10", "0", "0", "1", "5"}},
        ParseCase{"FewFieldsKeepTheRest", "1.0.90|web|", {"1.0.90", "web", "e", "1", "2", "3", "4", "5"}},
        ParseCase{"MoreThanEightFieldsStopAtEight", "a|b|c|d|e|f|g|h|i|j|",
                  {"a", "b", "c", "d", "e", "f", "g", "h"}},
        ParseCase{"EmptyFields", "||", {"", "", "e", "1", "2", "3", "4", "5"}},
        ParseCase{"NoBarAtAll", "1.0.90", held()},
        ParseCase{"Nothing", "", held()},
        ParseCase{"LineEndsBelongToTheField", "1.0.90\r\n|x|", {"1.0.90\r\n", "x", "e", "1", "2", "3", "4", "5"}},
        ParseCase{"NonLatinText", QStringLiteral("1.0.90|сайт.example|邮件|"),
                  {"1.0.90", QStringLiteral("сайт.example"), QStringLiteral("邮件"), "1", "2", "3", "4", "5"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct AddressCase
{
    const char *name;
    std::array<QString, 5> numbers;
    std::optional<QString> host;
    quint16 port;
};

class ServerAddressTest : public testing::TestWithParam<AddressCase>
{
};

TEST_P(ServerAddressTest, AcceptsOnlyBytesAndAPort)
{
    HostInfo info{"1.0.90", "w", "e"};
    std::copy(GetParam().numbers.begin(), GetParam().numbers.end(), info.begin() + 3);
    const std::optional<ServerAddress> address = serverAddressOf(info);
    ASSERT_EQ(address.has_value(), GetParam().host.has_value());
    if (address) {
        EXPECT_EQ(address->host, *GetParam().host);
        EXPECT_EQ(address->port, GetParam().port);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ServerAddressTest,
    testing::Values(AddressCase{"Plain", {"192", "168", "0", "1", "1001"}, "192.168.0.1", 1001},
                    AddressCase{"Extremes", {"0", "255", "255", "0", "65535"}, "0.255.255.0", 65535},
                    AddressCase{"BlanksAround", {" 10", "0 ", "0", "1", " 1 "}, "10.0.0.1", 1},
                    AddressCase{"LeadingZeros", {"010", "0", "0", "1", "01001"}, "10.0.0.1", 1001},
                    AddressCase{"ByteTooLarge", {"256", "0", "0", "1", "1001"}, std::nullopt, 0},
                    AddressCase{"PortZero", {"10", "0", "0", "1", "0"}, std::nullopt, 0},
                    AddressCase{"PortTooLarge", {"10", "0", "0", "1", "65536"}, std::nullopt, 0},
                    AddressCase{"Negative", {"-1", "0", "0", "1", "1001"}, std::nullopt, 0},
                    AddressCase{"Fraction", {"10", "0", "0", "1", "1001.5"}, std::nullopt, 0},
                    AddressCase{"Hex", {"0x10", "0", "0", "1", "1001"}, std::nullopt, 0},
                    AddressCase{"Text", {"ten", "0", "0", "1", "1001"}, std::nullopt, 0},
                    AddressCase{"Empty", {"", "0", "0", "1", "1001"}, std::nullopt, 0},
                    AddressCase{"Huge", {"10", "0", "0", "1", "99999999999999999999"}, std::nullopt, 0},
                    AddressCase{"ArabicIndicDigits", {QStringLiteral("١٠"), "0", "0", "1", "1001"},
                                std::nullopt, 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
