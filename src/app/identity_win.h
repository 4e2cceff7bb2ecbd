#pragma once

#include <string>

// The agent number text at the end of the running executable's own file;
// empty when the file cannot be read.
std::string readAgentId();
