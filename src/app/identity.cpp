#include "app/identity.h"

#include "base/text.h"

std::string agentIdFromTail(std::string_view fileTail)
{
    if (fileTail.size() > kAgentIdLength)
        fileTail.remove_prefix(fileTail.size() - kAgentIdLength);
    return bytesToText(fileTail);
}

AgentNumber fixUpAgentId(std::string_view agentId)
{
    AgentNumber number{std::string(agentId), textToInt(agentId)};
    if (number.value == 0)
        number = {"1", 1};
    return number;
}
