#pragma once
// Internals shared by the JSON document's files.

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace json_detail {

// Object members keep the order of the text, as a script engine keeps them.
using Json = nlohmann::ordered_json;

// The value a document holds; null stands for "no value".
struct Value {
    Json json;
};

// Nesting deeper than this is refused: no real answer comes near it, and
// every walk over the value stays well inside the stack.
inline constexpr int kMaxDepth = 256;

// Strict JSON from UTF-8 text; nothing when the text is not JSON or nests too
// deeply.
std::optional<Json> parseJsonText(std::string_view utf8);

// Compact JSON text as a script engine's JSON.stringify writes it: numbers in
// the shortest form that reads back the same, "1e+21" beyond 1e21, and only
// quotes, backslashes and control characters escaped. UTF-8.
std::string writeJsonText(const Json& value);

// A number as printf's "%.13g" writes it.
std::string numberText13g(double number);

}  // namespace json_detail
