#pragma once
// The content of OEM.key: the agent number enciphered byte by byte, followed
// by nine hexadecimal digits derived from the key text. ASCII only, no line
// end: 2n + 9 bytes for an n-byte agent number.

#include <functional>
#include <string>
#include <string_view>

// The key text shared by every installer.
inline constexpr char keyText[] = "wub";

// Returns the 16-byte MD5 digest of its input, or empty when none can be had.
using Md5Function = std::function<std::string(std::string_view)>;

// `afterEachByte`, when set, runs after each enciphered byte: the installer
// lets pending window events run there.
std::string agentKeyText(std::string_view agentId, std::string_view keyText, const Md5Function& md5,
                         const std::function<void()>& afterEachByte = {});
