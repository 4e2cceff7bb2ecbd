#include "app/identity_win.h"

#include "app/identity.h"
#include "base/file_win.h"

std::string readAgentId()
{
    // Only the tail is read: the executable may be large and the number is
    // always its last bytes.
    return agentIdFromTail(readFileTail(ownExecutablePath(), kAgentIdLength));
}
