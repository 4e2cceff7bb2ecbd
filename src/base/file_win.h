#pragma once
// File helpers over the wide Windows API.

#include <string>
#include <string_view>

// Full path of the running executable.
std::wstring ownExecutablePath();

// The last `count` bytes of a file (all of it when shorter); empty when the
// file cannot be read.
std::string readFileTail(const std::wstring& path, size_t count);
