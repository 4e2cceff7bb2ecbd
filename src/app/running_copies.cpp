#include "app/running_copies.h"

#include "base/text.h"

bool isSameProcessName(std::string_view processName, std::string_view name)
{
    return asciiLower(processName.substr(0, 256)) == asciiLower(name);
}
