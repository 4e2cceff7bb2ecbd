#pragma once
// The real installer.exe, stamped for an agent and started as its own
// process, ended with the test whatever happens.

#include "support/temp_dir_win.h"
#include "support/test_server_win.h"

#include <windows.h>

#include <string>

// Starts a program; the handle is closed (and the process ended) with the object.
class Process {
public:
    Process(const std::wstring& exe, const std::wstring& workingDir = L"")
    {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        std::wstring commandLine = L"\"" + exe + L"\"";
        started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  workingDir.empty() ? nullptr : workingDir.c_str(), &si, &info_);
    }
    ~Process()
    {
        if (!started_)
            return;
        if (isRunning())
            TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return started_; }
    DWORD pid() const { return info_.dwProcessId; }
    bool isRunning() const { return started_ && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    // Waits for the end; the exit code, or -1 when it did not end in time.
    long waitForExit(DWORD timeoutMs) const
    {
        if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

// The built installer, from INSTALLER_EXE.
inline std::wstring builtInstaller()
{
    std::string path = envOr("INSTALLER_EXE", "");
    return std::wstring(path.begin(), path.end());
}

// Copies `source` to `target` with `tail` appended (an agent's stamp).
inline bool stampCopy(const std::wstring& source, const std::wstring& target, const std::string& tail)
{
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE))
        return false;
    HANDLE file = CreateFileW(target.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr);
    CloseHandle(file);
    return written == tail.size();
}

// Changes what the test platform answers, or puts the scenario back.
inline void postControl(const std::string& path, const std::string& body = "")
{
    WebRequestArgs args;
    args.url = serverBase() + path;
    args.method = 1;
    args.postText = body;
    webRequest(args);
}
