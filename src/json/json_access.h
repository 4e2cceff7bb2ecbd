#pragma once
// Evaluating paths on a document's value, shared by its reading and its
// changing operations.

#include "json/json_path.h"
#include "json/json_value.h"

#include <optional>
#include <string>
#include <string_view>

namespace json_detail {

// What evaluating a path gives, as a script engine would see it: a value, an
// undefined member, or an error (a member of undefined or null, or a path
// that is not an expression).
struct Found {
    const Json* value = nullptr;  // null when undefined or on error
    bool error = false;
};

Found find(const Json& root, const std::optional<Path>& path);
bool isMissing(const Found& found);
// Compact JSON text in code page 936.
std::string gbkJson(const Json& value);
// A value read as text: numbers in "%.13g", strings as themselves, missing
// values empty.
std::string plainText(const Found& found);
// A number written as decimal text, the way a variant converts a string.
double numberFromString(const std::string& s);
// The element `index` of the array at `path` (root rule).
std::optional<Path> itemPath(int index, std::string_view path);
int utf16Length(const std::string& utf8);

}  // namespace json_detail
