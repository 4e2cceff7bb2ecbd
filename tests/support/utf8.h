#pragma once
// Narrow literals are GBK in this project; u8"" literals keep UTF-8 bytes.

#include <string>

inline std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
