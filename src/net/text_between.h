#pragma once

#include <string>
#include <string_view>

// The text between the first `before` and the first `after` that starts at
// or after its end; empty when either is missing. In both markers "#引号"
// stands for a double quote.
std::string textBetween(std::string_view text, std::string_view before, std::string_view after);
