#include "json/json_document.h"

#include "base/codepage.h"
#include "json/json_access.h"

#include <cmath>

using namespace json_detail;

JsonDocument::JsonDocument() : value_(std::make_shared<Value>(Value{Json::object()})) {}
JsonDocument::JsonDocument(std::shared_ptr<Value> value) : value_(std::move(value)) {}
JsonDocument::~JsonDocument() = default;
JsonDocument::JsonDocument(JsonDocument&&) noexcept = default;
JsonDocument& JsonDocument::operator=(JsonDocument&&) noexcept = default;

JsonDocument JsonDocument::copy() const { return JsonDocument(value_); }

bool JsonDocument::parse(std::string_view text)
{
    // Every parse starts a fresh value; copies made before keep the old one.
    std::string utf8 = isValidUtf8(text) ? std::string(text) : utf8FromGbk(text);
    std::optional<Json> parsed = parseJsonText(utf8);
    value_ = std::make_shared<Value>(Value{parsed ? std::move(*parsed) : Json()});
    return !value_->json.is_null();
}





double JsonDocument::getNumber(std::string_view path) const
{
    Found found = find(value_->json, dotRule(path));
    if (isMissing(found))
        return 0;
    const Json& value = *found.value;
    if (value.is_number())
        return value.get<double>();
    if (value.is_string())
        return numberFromString(value.get_ref<const std::string&>());
    if (value.is_boolean())
        return value.get<bool>() ? -1 : 0;  // a variant's true is -1
    return 0;
}




std::string JsonDocument::getText(std::string_view path, bool asJson) const
{
    Found found = find(value_->json, bracketRule(path));
    if (asJson)
        return found.value ? gbkJson(*found.value) : std::string();
    return plainText(found);
}

JsonDocument JsonDocument::getDocument(std::string_view path) const
{
    Found found = find(value_->json, bracketRule(path));
    return JsonDocument(std::make_shared<Value>(Value{found.value ? *found.value : Json()}));
}

int JsonDocument::count(std::string_view path) const
{
    Found found = find(value_->json, countRule(path));
    if (found.error)
        return 0;
    if (isMissing(found))
        return -2;  // the property counter's start value, no iterations
    const Json& value = *found.value;
    if (value.is_object() || value.is_array())
        return static_cast<int>(value.size());
    if (value.is_string())
        return utf16Length(value.get_ref<const std::string&>());  // a string enumerates its indices
    return 0;
}


JsonDocument JsonDocument::getItemDocument(int index, std::string_view path) const
{
    Found found = find(value_->json, itemPath(index, path));
    return JsonDocument(std::make_shared<Value>(Value{found.value ? *found.value : Json()}));
}








