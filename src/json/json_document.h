#pragma once
// A JSON value read and changed by path.
//
// A path is what follows the document's value in a script member expression:
// member names joined by dots ("data.agent_app.app_name") and bracketed
// indices ("[0]", "down_model[1].value"). Anything else reads as missing and
// changes nothing. The text is parsed as JSON and never executed.
//
// Texts going in and out are code page 936. Text handed to `parse` is taken
// as UTF-8 when it is valid UTF-8 and as code page 936 otherwise.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace json_detail {
struct Value;
}

enum class ValueKind : int {
    Missing = 0,  // undefined or null
    Number = 2,
    Object = 4,
    Array = 5,
    String = 6,
    Other = -1,  // booleans, and paths that cannot be evaluated
};

class JsonDocument {
public:
    // A new document holds an empty object.
    JsonDocument();
    ~JsonDocument();
    JsonDocument(JsonDocument&&) noexcept;
    JsonDocument& operator=(JsonDocument&&) noexcept;
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    // A second document over the same value: changes through one show in both.
    JsonDocument copy() const;

    // Replaces the value with the parsed text. True when the text gave a value
    // that is not null; otherwise the document holds no value.
    bool parse(std::string_view text);
    // The whole value as compact JSON.
    std::string toJson() const;

    // Member access, "dot" paths (no leading bracket, not empty).
    void setValue(std::string_view path, std::string_view value, bool isExpression);
    void setExpression(std::string_view path, std::string_view jsonText);
    void setNumber(std::string_view path, double number);
    double getNumber(std::string_view path) const;
    std::string getJson(std::string_view path) const;
    void remove(std::string_view path);
    bool has(std::string_view path) const;

    // A number reads as its "%.13g" text, a string as itself, anything
    // missing as empty text. `asJson` gives the compact JSON text instead.
    std::string getText(std::string_view path, bool asJson) const;
    // An independent document holding a copy of the value at `path`.
    JsonDocument getDocument(std::string_view path) const;
    // Members of an object, elements of an array; -2 for a missing or null
    // value, which callers must not use as a list length.
    int count(std::string_view path) const;

    // Array operations; an empty path means the document's own value.
    void pushItem(std::string_view value, std::string_view path, bool isExpression);
    JsonDocument getItemDocument(int index, std::string_view path) const;
    std::string getItemText(int index, std::string_view path, bool asJson) const;
    void setItem(int index, std::string_view value, bool isExpression);
    void removeItem(int index);

    // reset: Missing or Object gives {}, Array gives [], other kinds nothing.
    void reset(ValueKind kind);
    void setRoot(std::string_view value, bool isExpression);
    int keys(std::vector<std::string>& names, std::string_view path) const;
    ValueKind typeOf(std::string_view path) const;
    void clear();

private:
    explicit JsonDocument(std::shared_ptr<json_detail::Value> value);
    std::shared_ptr<json_detail::Value> value_;
};
