// Clicks through a whole installation for the headless demo: starts the
// stamped installer, saves a screenshot of every page, installs into the
// given folder, runs the installed program and prints a short report.
//
// Usage: demo_driver INSTALLER INSTALL_FOLDER SCREENSHOT_DIR
#include "ui/layout.h"
#include "ui_driver_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace ud = ui_driver;

namespace {

long long fileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string utf8(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string readSmall(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

std::wstring shortcutTarget(const std::wstring& link)
{
    IShellLinkW* shell = nullptr;
    std::wstring target;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell))))
        return target;
    IPersistFile* file = nullptr;
    shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    PIDLIST_ABSOLUTE items = nullptr;
    if (file && SUCCEEDED(file->Load(link.c_str(), STGM_READ)) && SUCCEEDED(shell->GetIDList(&items)) && items) {
        wchar_t path[MAX_PATH] = L"";
        SHGetPathFromIDListW(items, path);
        target = path;
        CoTaskMemFree(items);
    }
    if (file)
        file->Release();
    shell->Release();
    return target;
}

int fail(const char* what)
{
    std::printf("demo: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
        return fail("usage: demo_driver INSTALLER INSTALL_FOLDER SCREENSHOT_DIR");
    CoInitialize(nullptr);
    std::wstring installer = argv[1], folder = argv[2], shots = argv[3];
    CreateDirectoryW(shots.c_str(), nullptr);

    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + installer + L"\"";
    if (!CreateProcessW(installer.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return fail("cannot start the installer");
    HWND top = ud::waitForMainWindow(pi.dwProcessId, 60000);
    if (!top)
        return fail("the installer window did not appear (is the platform server running?)");
    auto control = [&](ControlId id) { return ud::findControl(top, static_cast<int>(id)); };
    using enum ControlId;
    std::wstring appName = ud::text(top);

    ud::screenshot(top, shots + L"\\1-install-page.png");
    ud::press(control(AgreementLink));
    ud::waitUntil([&] { return ud::rectIn(top, control(AgreementPanel)).left == 0; }, 5000);
    ud::screenshot(top, shots + L"\\2-agreement.png");
    ud::click(control(AgreementBackButton));
    ud::waitUntil([&] { return !ud::isVisible(control(AgreementPanel)); }, 5000);

    SendMessageW(control(InstallFolderEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    ULONGLONG started = GetTickCount64();
    ud::click(control(InstallButton));
    ud::waitUntil([&] { return ud::isVisible(control(StatusLabel)); }, 10000);
    ud::screenshot(top, shots + L"\\3-installing-page.png");
    if (!ud::waitUntil([&] { return ud::isVisible(control(RunButton)); }, 120000))
        return fail("the installation did not finish");
    double seconds = static_cast<double>(GetTickCount64() - started) / 1000.0;
    ud::screenshot(top, shots + L"\\4-done-page.png");

    std::wstring exe = folder + appName + L".exe";
    ud::click(control(RunButton));
    WaitForSingleObject(pi.hProcess, 30000);
    ud::waitUntil([&] { return fileSize(folder + L"payload-ran.txt") > 0; }, 30000);

    wchar_t desktop[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    std::wstring link = std::wstring(desktop) + L"\\" + appName + L".lnk";
    long long exeSize = fileSize(exe);

    std::printf("Installed into %s\n", utf8(folder).c_str());
    for (const std::wstring& name : {appName + L".exe", std::wstring(L"OEM.key"), std::wstring(L"logo.ico")})
        std::printf("  %-24s %8lld bytes\n", utf8(name).c_str(), fileSize(folder + name));
    std::printf("OEM.key:                 %s\n", readSmall(folder + L"OEM.key").c_str());
    std::printf("The installed program decoded: %s\n", readSmall(folder + L"payload-ran.txt").c_str());
    std::printf("Desktop shortcut:        %s -> %s\n", utf8(link).c_str(), utf8(shortcutTarget(link)).c_str());
    std::printf("Download and install:    %.2f s, %.2f MB/s for the program file\n", seconds,
                static_cast<double>(exeSize) / 1048576.0 / seconds);
    std::printf("Screenshots:             1-install-page.png 2-agreement.png 3-installing-page.png 4-done-page.png\n");

    // The installed program keeps its window open: end it.
    HWND app = nullptr;
    ud::waitUntil([&] { return (app = FindWindowW(L"STATIC", L"Demo application")) != nullptr; }, 10000);
    if (app) {
        DWORD pid = 0;
        GetWindowThreadProcessId(app, &pid);
        ud::screenshot(app, shots + L"\\5-installed-program.png");
        HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
        if (process) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }
    return exeSize > 0 ? 0 : 1;
}
