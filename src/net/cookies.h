#pragma once

#include <string>
#include <string_view>

// Writes every "Set-Cookie" of a raw response header block, in any letter
// case, as "Set-Cookie".
std::string normalizeSetCookie(std::string_view responseHeaders);

// The name=value pairs that the Set-Cookie lines of a normalized header
// block set, joined by "; ".
std::string cookiesFromHeaders(std::string_view responseHeaders);
