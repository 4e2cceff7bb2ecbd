#pragma once
// Shell links on the desktop.

#include <optional>
#include <string>

// Folders found by a small kind number: 0 and 3 desktop, 1 documents,
// 2 favourites, 4 fonts, 5 start menu, 6 programs, 7 start-up, 8 application
// data, 9 Windows, 10 system, 11 temporary, 12 internet cache. The path ends
// with a backslash; empty for any other kind or on failure.
std::string specialFolderPath(int kind);

// Makes the link `linkName` on the desktop (see linkFileName), replacing one
// of the same name. The working folder is the target's folder; without an
// icon location the target's own icon is used. False when no link was saved.
bool createShortcut(const std::string& linkName, const std::string& targetPath, const std::string& arguments = "",
                    const std::optional<std::string>& iconLocation = std::nullopt, int windowStyle = 0,
                    const std::string& description = "", const std::string& hotkey = "");
