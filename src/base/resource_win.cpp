#include "base/resource_win.h"

#include <windows.h>

std::string_view resourceBytes(int id)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (!loaded)
        return {};
    // Resources stay mapped for the life of the module.
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}
