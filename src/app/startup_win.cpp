#include "app/startup_win.h"

#include "app/identity_win.h"
#include "app/running_copies_win.h"
#include "base/codepage_win.h"

#include <windows.h>

#include <vector>

namespace {

std::vector<std::function<void()>>& initialisers()
{
    static std::vector<std::function<void()>> list;
    return list;
}

}  // namespace

void registerModuleInitialiser(std::function<void()> initialiser) { initialisers().push_back(std::move(initialiser)); }

void runModuleInitialisers()
{
    for (const auto& initialiser : initialisers())
        initialiser();
}

bool startUp(Program& program, const std::function<bool()>& createWindow)
{
    program.agentId = readAgentId();
    if (!program.platform.loadApplication(program.agentId, program.app, program.appIconBytes))
        return false;  // no window, no message

    std::vector<uint32_t> copies = findRunningCopies(program.app.agentApp.appName);
    if (!copies.empty()) {
        int answer = MessageBoxW(nullptr, toWide("发现软件正在运行中，请问是否关闭软件立即安装？").c_str(),
                                 toWide("安装向导").c_str(), MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
            return false;
        // Nothing waits for them to end.
        for (uint32_t id : copies)
            terminateProcessById(id);
    }
    return createWindow();
}
