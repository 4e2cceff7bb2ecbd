#pragma once

#include <string>
#include <string_view>

// MD5 through CryptoAPI: the 16 digest bytes, or empty when any step fails.
std::string md5Digest(std::string_view data);
