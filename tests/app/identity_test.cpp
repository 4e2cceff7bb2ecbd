#include "app/identity.h"

#include <gtest/gtest.h>

TEST(AgentNumber, FromTheLastEightBytes)
{
    struct Case {
        std::string tail;  // the last bytes of the executable
        std::string text;  // agentId after the fix-up
        int value;
    } cases[] = {
        {"MZ...00076984", "00076984", 76984},
        {std::string(8, '\0'), "1", 1},
        {"00000000", "1", 1},
        {"12ab5678", "12ab5678", 12},
        {" 0000042", " 0000042", 42},
        {std::string("0007\0abc", 8), "0007", 7},
        {"-0000005", "-0000005", -5},
        {"", "1", 1},       // unreadable file
        {"42", "42", 42},   // a file shorter than eight bytes
    };
    for (const Case& c : cases) {
        AgentNumber number = fixUpAgentId(agentIdFromTail(c.tail));
        EXPECT_EQ(number.text, c.text) << c.tail;
        EXPECT_EQ(number.value, c.value) << c.tail;
    }
}
