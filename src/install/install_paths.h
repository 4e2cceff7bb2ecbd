#pragma once
// The rules that turn what the user chose into the install paths.

#include <string>
#include <string_view>

// The folder text with a final backslash (an empty text becomes "\").
std::string withFinalBackslash(std::string_view folder);

// The folder text after browsing to `chosen`: the application gets its own
// folder inside, without doubling the backslash of a drive root.
std::string folderForChoice(std::string_view chosen, std::string_view appName);

// The message shown for a folder the installer cannot use.
std::string badFolderMessage(std::string_view installDir);

// The last component of a path without its extension.
std::string fileTitle(std::string_view path);

// The working folder of a shortcut: every component of `target` but the last,
// each followed by a backslash; empty when the target holds no backslash.
std::string folderOf(std::string_view target);

// The desktop link file for `linkName`: a name with a backslash is reduced to
// its title, and ".lnk" is added unless the name holds it in any case.
std::string linkFileName(std::string_view linkName);
