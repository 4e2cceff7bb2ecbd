// Test helper: writes the agent number it reads from its own file into
// "<own path>.out", so a test can stamp a copy and read the result back.
#include "app/identity_win.h"
#include "base/file_win.h"

#include <windows.h>

int main()
{
    std::string agentId = readAgentId();
    std::wstring out = ownExecutablePath() + L".out";
    HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, agentId.data(), static_cast<DWORD>(agentId.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
