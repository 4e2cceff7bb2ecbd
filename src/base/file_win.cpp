#include "base/file_win.h"

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
