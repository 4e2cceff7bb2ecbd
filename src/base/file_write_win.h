#pragma once
// Whole-file writes and folders, with code-page-936 paths.

#include <string>
#include <string_view>

// Replaces the file with `bytes`; false when it cannot be written.
bool writeWholeFile(const std::string& path, std::string_view bytes);
// Creates every missing folder along `path` (a final backslash is added).
bool ensureFolderExists(const std::string& path);
bool isExistingFolder(const std::string& path);
// The size of a file, or -1 when it cannot be opened.
long long fileSizeOf(const std::string& path);
