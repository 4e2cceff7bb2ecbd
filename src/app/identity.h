#pragma once
// Which agent this copy of the installer belongs to: eight ASCII digits that
// are appended to the very end of the executable file.

#include <string>
#include <string_view>

inline constexpr size_t kAgentIdLength = 8;

// The agent number text held in the last bytes of a file: the last eight bytes
// (all of them when fewer), ending before the first zero byte. No other check.
std::string agentIdFromTail(std::string_view fileTail);

struct AgentNumber {
    std::string text;  // kept as read, leading zeros included, for OEM.key
    int value = 0;     // the number sent as "agent_id"
};

// A text whose number is 0 (or that holds none) stands for agent "1".
AgentNumber fixUpAgentId(std::string_view agentId);
