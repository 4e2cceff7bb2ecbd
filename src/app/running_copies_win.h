#pragma once
// Running processes of the application, which hold its executable open.

#include <cstdint>
#include <string>
#include <vector>

// Ids of every process whose executable name matches, in snapshot order.
std::vector<uint32_t> findProcessesByName(const std::string& name);
// The running copies of `appName` + ".exe" other than this process.
std::vector<uint32_t> findRunningCopies(const std::string& appName);
bool terminateProcessById(uint32_t id);
