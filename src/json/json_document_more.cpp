// The operations the installer does not use: changing a document and the
// rarer reads. Kept in their own file, they stay out of its executable.
#include "json/json_document.h"

#include "base/codepage.h"
#include "base/text.h"
#include "json/json_access.h"

#include <cmath>
#include <cstdlib>

using namespace json_detail;

namespace {

// The container that holds the last step of `path`, or null when an
// assignment there would fail.
Json* parentOf(Json& root, const Path& path)
{
    Path parentPath(path.begin(), path.end() - 1);
    Found parent = find(root, parentPath);
    if (isMissing(parent))
        return nullptr;
    return const_cast<Json*>(parent.value);
}

// value-at-path = newValue. Assignments that a script would ignore (a member
// of a primitive, a named member of an array) or reject change nothing.
void assign(Json& root, const std::optional<Path>& path, Json newValue)
{
    if (!path)
        return;
    if (path->empty()) {
        root = std::move(newValue);
        return;
    }
    Json* parent = parentOf(root, *path);
    if (parent == nullptr)
        return;
    const PathStep& last = path->back();
    if (parent->is_object()) {
        (*parent)[last.isIndex ? std::to_string(last.index) : last.name] = std::move(newValue);
    } else if (parent->is_array() && last.isIndex) {
        if (last.index >= parent->size())
            parent->get_ref<Json::array_t&>().resize(last.index + 1);
        (*parent)[last.index] = std::move(newValue);
    }
}

// A program text (code page 936) as a JSON value: a string, or, as an
// expression, the JSON it holds. Nothing when the expression is not JSON.
std::optional<Json> valueFromText(std::string_view text, bool isExpression)
{
    if (!isExpression)
        return Json(utf8FromGbk(text));
    return parseJsonText(utf8FromGbk(text));
}

}  // namespace

void JsonDocument::setValue(std::string_view path, std::string_view value, bool isExpression)
{
    if (auto v = valueFromText(isExpression && value.empty() ? "{}" : value, isExpression))
        assign(value_->json, dotRule(path), std::move(*v));
}

void JsonDocument::setExpression(std::string_view path, std::string_view jsonText)
{
    if (auto v = valueFromText(jsonText, true))
        assign(value_->json, dotRule(path), std::move(*v));
}

void JsonDocument::setNumber(std::string_view path, double number)
{
    if (!std::isfinite(number))
        return;  // "inf" and "nan" are not numbers a script can read back
    assign(value_->json, dotRule(path), Json(std::strtod(numberText13g(number).c_str(), nullptr)));
}

void JsonDocument::remove(std::string_view path)
{
    std::optional<Path> steps = dotRule(path);
    if (!steps)
        return;
    Json* parent = parentOf(value_->json, *steps);
    if (parent == nullptr)
        return;
    const PathStep& last = steps->back();
    if (parent->is_object())
        parent->erase(last.isIndex ? std::to_string(last.index) : last.name);
    else if (parent->is_array() && last.isIndex && last.index < parent->size())
        (*parent)[last.index] = nullptr;  // deleting an element leaves a hole
}

void JsonDocument::pushItem(std::string_view value, std::string_view path, bool isExpression)
{
    // An empty expression pushes nothing, as push() with no argument.
    std::optional<Json> item;
    if (!(isExpression && value.empty())) {
        item = valueFromText(value, isExpression);
        if (!item)
            return;
    }
    std::optional<Path> steps = rootRule(path);
    if (!steps)
        return;
    Json& root = value_->json;
    if (!steps->empty() && parentOf(root, *steps) == nullptr)
        return;
    Found target = find(root, steps);
    if (!target.value || !target.value->is_array())
        assign(root, steps, Json::array());
    target = find(root, steps);
    if (target.value && target.value->is_array() && item)
        const_cast<Json*>(target.value)->push_back(std::move(*item));
}

void JsonDocument::setItem(int index, std::string_view value, bool isExpression)
{
    if (index < 0 || (isExpression && value.empty()))
        return;
    if (auto v = valueFromText(value, isExpression))
        assign(value_->json, Path{{true, {}, static_cast<size_t>(index)}}, std::move(*v));
}

void JsonDocument::removeItem(int index)
{
    Json& root = value_->json;
    if (root.is_array() && index >= 0 && static_cast<size_t>(index) < root.size())
        root.erase(static_cast<size_t>(index));
}

void JsonDocument::reset(ValueKind kind)
{
    if (kind == ValueKind::Missing || kind == ValueKind::Object)
        value_->json = Json::object();
    else if (kind == ValueKind::Array)
        value_->json = Json::array();
}

void JsonDocument::setRoot(std::string_view value, bool isExpression)
{
    if (isExpression && value.empty())
        return;
    if (auto v = valueFromText(value, isExpression))
        value_->json = std::move(*v);
}

int JsonDocument::keys(std::vector<std::string>& names, std::string_view path) const
{
    Found found = find(value_->json, rootRule(path));
    std::string list;
    if (found.value && found.value->is_object()) {
        for (const auto& [key, member] : found.value->items())
            list += gbkFromUtf8(key) + ",";
    } else if (found.value && (found.value->is_array() || found.value->is_string())) {
        int n = found.value->is_array() ? static_cast<int>(found.value->size())
                                        : utf16Length(found.value->get_ref<const std::string&>());
        for (int i = 0; i < n; ++i)
            list += std::to_string(i) + ",";
    }
    // The names of the script engine's two helper methods were always
    // removed from the list; a member of the same name goes with them.
    list = replaceAll(replaceAll(list, "toJSONString,", ""), "parseJSON,", "");
    names = splitText(list, ",");
    return static_cast<int>(names.size());
}

void JsonDocument::clear() { value_->json = Json::object(); }

std::string JsonDocument::toJson() const { return gbkJson(value_->json); }

std::string JsonDocument::getJson(std::string_view path) const
{
    Found found = find(value_->json, dotRule(path));
    return found.value ? gbkJson(*found.value) : std::string();
}

bool JsonDocument::has(std::string_view path) const { return !isMissing(find(value_->json, dotRule(path))); }

std::string JsonDocument::getItemText(int index, std::string_view path, bool asJson) const
{
    Found found = find(value_->json, itemPath(index, path));
    if (asJson)
        return found.value ? gbkJson(*found.value) : std::string();
    return plainText(found);
}

ValueKind JsonDocument::typeOf(std::string_view path) const
{
    Found found = find(value_->json, rootRule(path));
    if (found.error)
        return ValueKind::Other;
    if (isMissing(found))
        return ValueKind::Missing;
    switch (found.value->type()) {
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: return ValueKind::Number;
    case Json::value_t::object: return ValueKind::Object;
    case Json::value_t::array: return ValueKind::Array;
    case Json::value_t::string: return ValueKind::String;
    default: return ValueKind::Other;
    }
}
