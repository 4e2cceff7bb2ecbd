#pragma once
// Paths of the JSON document: what follows the value in a member expression.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace json_detail {

struct PathStep {
    bool isIndex = false;
    std::string name;  // UTF-8 member name, when not an index
    size_t index = 0;
};
using Path = std::vector<PathStep>;  // empty: the document's own value

// How an operation joins its path to the value. Each gives nothing for a path
// that would not form a valid member expression.
std::optional<Path> dotRule(std::string_view path);      // value "." path
std::optional<Path> bracketRule(std::string_view path);  // value path when it starts with "[", else dot rule
std::optional<Path> rootRule(std::string_view path);     // the value itself when empty, else dot rule
std::optional<Path> countRule(std::string_view path);    // the value itself when empty, else bracket rule

}  // namespace json_detail
