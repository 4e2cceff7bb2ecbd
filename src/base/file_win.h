#pragma once
// File helpers over the wide Windows API; paths as program texts (code page
// 936) unless they are wide strings.

#include <string>
#include <string_view>

// Full path of the running executable.
std::wstring ownExecutablePath();

// The last `count` bytes of a file (all of it when shorter); empty when the
// file cannot be read.
std::string readFileTail(const std::wstring& path, size_t count);

// Replaces the file with `bytes`; false when it cannot be written.
bool writeWholeFile(const std::string& path, std::string_view bytes);
// The whole file; empty when it cannot be read.
std::string readWholeFile(const std::string& path);
// Creates every missing folder along `path` (a final backslash is added).
bool ensureFolderExists(const std::string& path);
bool isExistingFolder(const std::string& path);
// The size of a file, or -1 when it cannot be opened.
long long fileSizeOf(const std::string& path);
