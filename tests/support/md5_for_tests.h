#pragma once
// An RFC 1321 digest for tests: CryptoAPI on Windows, OpenSSL natively.

#include <string>
#include <string_view>

std::string md5ForTests(std::string_view data);
