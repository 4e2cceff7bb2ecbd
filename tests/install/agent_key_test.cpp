#include "install/agent_key.h"

#include "support/md5_for_tests.h"

#include <gtest/gtest.h>

// MD5("wub") = c7a7863eac4a09c89e4d05fd46632d36: digits 3 to 11 in upper case.
static const std::string kKeyPart = "A7863EAC4";

TEST(AgentKey, Cases)
{
    struct Case {
        std::string agentId, expected;
    } cases[] = {
        {"00076984", "2020202726292824" + kKeyPart},
        {"1", "21" + kKeyPart},
        {"\x0A", "1A" + kKeyPart},
        {"\x10", "00" + kKeyPart},
        {"\xB0", "A0" + kKeyPart},
    };
    for (const Case& c : cases)
        EXPECT_EQ(agentKeyText(c.agentId, keyText, md5ForTests), c.expected) << c.agentId;
    EXPECT_EQ(agentKeyText("00076984", keyText, md5ForTests).size(), 25u);
    EXPECT_EQ(agentKeyText("1", keyText, md5ForTests).size(), 11u);
}

TEST(AgentKey, WithoutDigestOnlyTheNumberIsWritten)
{
    auto noDigest = [](std::string_view) { return std::string(); };
    EXPECT_EQ(agentKeyText("00076984", keyText, noDigest), "2020202726292824");
}

TEST(AgentKey, LetsEventsRunAfterEachByte)
{
    int calls = 0;
    agentKeyText("00076984", keyText, md5ForTests, [&] { ++calls; });
    EXPECT_EQ(calls, 8);
}
