#include "base/file_win.h"

#include "base/codepage_win.h"
#include "base/handle_win.h"

std::wstring ownExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: long paths exceed MAX_PATH
    }
}

std::string readFileTail(const std::wstring& path, size_t count)
{
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size))
        return {};
    LONGLONG tail = std::min<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(count));
    LARGE_INTEGER offset;
    offset.QuadPart = size.QuadPart - tail;
    if (!SetFilePointerEx(file.get(), offset, nullptr, FILE_BEGIN))
        return {};
    std::string bytes(static_cast<size_t>(tail), '\0');
    DWORD read = 0;
    if (tail > 0 && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(tail), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

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

std::string readWholeFile(const std::string& path)
{
    KernelHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
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
