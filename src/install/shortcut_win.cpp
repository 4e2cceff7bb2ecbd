#include "install/shortcut_win.h"

#include "base/codepage_win.h"
#include "install/install_paths.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

// The shell's identifiers, defined here rather than linking all of libuuid.
constexpr CLSID kShellLink = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkW = {0x000214F9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

template <typename T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr()
    {
        if (p)
            p->Release();
    }
    T* operator->() const { return p; }
};

}  // namespace

std::string specialFolderPath(int kind)
{
    static const int folders[] = {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY,
                                  CSIDL_FONTS,            CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,
                                  CSIDL_APPDATA,          -1,              -1,              -1,
                                  CSIDL_INTERNET_CACHE};
    if (kind < 0 || kind > 12)
        return {};
    wchar_t buffer[MAX_PATH] = L"";
    bool found = false;
    if (kind == 9)
        found = GetWindowsDirectoryW(buffer, MAX_PATH) > 0;
    else if (kind == 10)
        found = GetSystemDirectoryW(buffer, MAX_PATH) > 0;
    else if (kind == 11)
        found = GetTempPathW(MAX_PATH, buffer) > 0;
    else
        found = SHGetSpecialFolderPathW(nullptr, buffer, folders[kind], FALSE);
    if (!found)
        return {};
    std::string path = fromWide(buffer);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

bool createShortcut(const std::string& linkName, const std::string& targetPath, const std::string& arguments,
                    const std::optional<std::string>& iconLocation, int windowStyle, const std::string& description,
                    const std::string& hotkey)
{
    std::wstring linkPath = toWide(specialFolderPath(0) + linkFileName(linkName));
    // The old link goes first, so icon and target are always the current ones.
    DeleteFileW(linkPath.c_str());
    std::string workingFolder = folderOf(targetPath);
    if (workingFolder.empty())
        return false;

    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(kShellLink, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW,
                                reinterpret_cast<void**>(&link.p))))
        return false;
    if (FAILED(link->SetPath(toWide(targetPath).c_str())))
        return false;
    link->SetWorkingDirectory(toWide(workingFolder).c_str());
    if (iconLocation) {
        link->SetIconLocation(toWide(*iconLocation).c_str(), 0);
    } else {
        bool hasExtension = fileTitle(targetPath).size() < targetPath.size() - folderOf(targetPath).size();
        if (hasExtension)
            link->SetIconLocation(toWide(targetPath).c_str(), 0);
        else
            link->SetIconLocation(L"SHELL32.dll", 4);
    }
    // Style 0 means "not given": the program opens in a normal window.
    link->SetShowCmd(windowStyle == 0 ? SW_SHOWNORMAL : windowStyle);
    link->SetDescription(toWide(description).c_str());
    link->SetArguments(toWide(arguments).c_str());
    link->SetHotkey(static_cast<WORD>(hotkey.empty() ? 0 : hotkey[0]));

    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file.p))))
        return false;
    file->Save(linkPath.c_str(), TRUE);
    return true;
}
