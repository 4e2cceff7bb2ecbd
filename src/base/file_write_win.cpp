#include "base/file_write_win.h"

#include "base/codepage_win.h"
#include "base/handle_win.h"

bool writeWholeFile(const std::string& path, std::string_view bytes)
{
    KernelHandle file(CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool ensureFolderExists(const std::string& path)
{
    std::wstring wide = toWide(path);
    if (wide.empty() || wide.back() != L'\\')
        wide += L'\\';
    // Each folder from the root down; existing ones are fine.
    for (size_t at = wide.find(L'\\'); at != std::wstring::npos; at = wide.find(L'\\', at + 1)) {
        std::wstring part = wide.substr(0, at);
        if (part.empty() || part.back() == L':')
            continue;
        if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

bool isExistingFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long long fileSizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(toWide(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
