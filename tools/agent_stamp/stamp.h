#pragma once
// Stamping copies of the installer for agents: the agent's number as eight
// ASCII digits at the very end of the file. A signed installer keeps a valid
// signature: the digits go inside its certificate table, which the signature
// does not cover.

#include <optional>
#include <string>
#include <string_view>

// The number as eight zero-padded digits, or nothing when it is not all
// digits or not 1 to 99999999.
std::optional<std::string> agentDigits(std::string_view number);

// The file with `digits` as its last eight bytes. A file that already ends in
// eight digits is restamped in place.
std::string stampImage(std::string image, const std::string& digits);
