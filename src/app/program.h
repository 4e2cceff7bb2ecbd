#pragma once
// The values the whole program shares, from the entry to the end.

#include "platform/app_info.h"
#include "platform/platform_client.h"

#include <string>

struct Program {
    explicit Program(Fetch fetch) : platform(std::move(fetch)) {}

    AppInfo app;
    std::string agentId;       // as read from the executable, then fixed up
    std::string appIconBytes;  // written as logo.ico
    PlatformClient platform;   // keeps the platform base for share links
    std::string installDir;    // ends with a backslash; set by the install button
    std::string targetExePath; // installDir + appName + ".exe"
};
