#pragma once
// A fresh folder under the temporary directory, removed with its files.

#include <windows.h>

#include <string>

class TempDir {
public:
    TempDir()
    {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        static int counter = 0;
        path_ = std::wstring(base) + L"installer-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempDir() { removeTree(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& path() const { return path_; }

private:
    static void removeTree(const std::wstring& dir)
    {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = data.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                std::wstring full = dir + L"\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(full);
                else
                    DeleteFileW(full.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(dir.c_str());
    }

    std::wstring path_;
};
