#pragma once

#include <string_view>

// Whether a process's executable name is `name`: ASCII letters compare
// without case, every other byte (both bytes of a double-byte character
// included) exactly. Only the first 256 bytes of the process name count.
bool isSameProcessName(std::string_view processName, std::string_view name);
