#include "json/json_access.h"

#include "base/codepage.h"
#include "base/text.h"

#include <cstdlib>

namespace json_detail {

Found find(const Json& root, const std::optional<Path>& path)
{
    if (!path)
        return {nullptr, true};
    const Json* current = &root;
    for (const PathStep& step : *path) {
        if (current == nullptr || current->is_null())
            return {nullptr, true};
        if (current->is_object()) {
            auto it = current->find(step.isIndex ? std::to_string(step.index) : step.name);
            current = it == current->end() ? nullptr : &*it;
        } else if (current->is_array() && step.isIndex && step.index < current->size()) {
            current = &(*current)[step.index];
        } else {
            current = nullptr;  // other members of arrays and primitives
        }
    }
    return {current, false};
}

bool isMissing(const Found& found) { return found.value == nullptr || found.value->is_null(); }




std::string gbkJson(const Json& value) { return gbkFromUtf8(writeJsonText(value)); }

std::string plainText(const Found& found)
{
    if (isMissing(found))
        return {};
    const Json& value = *found.value;
    if (value.is_number())
        return numberText13g(value.get<double>());
    if (value.is_string())
        return gbkFromUtf8(value.get_ref<const std::string&>());
    if (value.is_boolean())
        return value.get<bool>() ? "true" : "false";
    return gbkJson(value);
}

double numberFromString(const std::string& s)
{
    std::string t = trimText(s);
    size_t i = 0;
    auto digits = [&] {
        size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t intDigits = digits();
    size_t fracDigits = 0;
    if (i < t.size() && t[i] == '.') {
        ++i;
        fracDigits = digits();
    }
    if (intDigits + fracDigits == 0)
        return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (digits() == 0)
            return 0;
    }
    if (i != t.size())
        return 0;
    return std::strtod(t.c_str(), nullptr);
}

std::optional<Path> itemPath(int index, std::string_view path)
{
    std::optional<Path> steps = rootRule(path);
    if (!steps || index < 0)
        return std::nullopt;
    steps->push_back({true, {}, static_cast<size_t>(index)});
    return steps;
}

int utf16Length(const std::string& utf8) { return static_cast<int>(utf16FromUtf8(utf8).size()); }

}  // namespace json_detail
