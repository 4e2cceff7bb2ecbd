#pragma once
// What the web request routine sends besides the body.

#include <optional>
#include <string>
#include <string_view>

inline constexpr char kDefaultAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// The agent text for the internet session, from the caller's header lines:
// the value of their User-Agent line (the name in any letter case), or the
// default agent when there is none.
std::string agentFromHeaders(std::string_view headers);

// The complete header block: the caller's lines, then Accept, Referer,
// Accept-Language and Content-Type unless the caller gave them, then the
// cookies. Lines are joined by "\r\n", with none at the end.
std::string requestHeaderBlock(std::string_view headers, std::string_view url,
                               const std::optional<std::string>& cookies);
