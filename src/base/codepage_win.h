#pragma once
// Texts at the boundary to the wide Windows API.

#include <string>
#include <string_view>

std::wstring toWide(std::string_view gbk);
std::string fromWide(std::wstring_view wide);
