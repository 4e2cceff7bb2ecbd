#include "app/running_copies_win.h"

#include "app/running_copies.h"
#include "base/codepage_win.h"
#include "base/handle_win.h"

#include <tlhelp32.h>

std::vector<uint32_t> findProcessesByName(const std::string& name)
{
    std::vector<uint32_t> ids;
    KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        if (isSameProcessName(fromWide(entry.szExeFile), name))
            ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

std::vector<uint32_t> findRunningCopies(const std::string& appName)
{
    std::vector<uint32_t> copies;
    DWORD self = GetCurrentProcessId();
    for (uint32_t id : findProcessesByName(appName + ".exe"))
        if (id != self)
            copies.push_back(id);
    return copies;
}

bool terminateProcessById(uint32_t id)
{
    KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    return process && TerminateProcess(process.get(), 0);
}
