#include "json/json_value.h"

#include <cstdlib>
#include <cmath>
#include <cstdio>

namespace json_detail {

namespace {

// Deepest nesting of arrays and objects in the text, counted without parsing
// so that hostile input cannot exhaust the parser's stack.
int nestingDepth(std::string_view text)
{
    int depth = 0, deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// ECMAScript Number::toString for finite numbers.
std::string scriptNumberText(double number)
{
    if (!std::isfinite(number))
        return "null";  // what JSON.stringify writes for NaN and infinities
    if (number == 0)
        return "0";
    // The shortest digits that read back the same: try 1 to 17 significant
    // digits. (std::to_chars would do it too, but brings 170 KB of tables.)
    char buffer[64];
    double magnitude = std::abs(number);
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, magnitude);
        if (std::strtod(buffer, nullptr) == magnitude)
            break;
    }
    std::string_view sci(buffer);
    size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (c != '.')
            digits += c;
    int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    int k = static_cast<int>(digits.size());
    int n = exponent + 1;  // position of the decimal point

    std::string out = number < 0 ? "-" : "";
    if (k <= n && n <= 21) {
        out += digits + std::string(static_cast<size_t>(n - k), '0');
    } else if (0 < n && n <= 21) {
        out += digits.substr(0, static_cast<size_t>(n)) + "." + digits.substr(static_cast<size_t>(n));
    } else if (-6 < n && n <= 0) {
        out += "0." + std::string(static_cast<size_t>(-n), '0') + digits;
    } else {
        out += digits.substr(0, 1);
        if (k > 1)
            out += "." + digits.substr(1);
        out += (n - 1 >= 0 ? "e+" : "e-") + std::to_string(std::abs(n - 1));
    }
    return out;
}

void writeString(const std::string& s, std::string& out)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void write(const Json& value, std::string& out)
{
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            if (!first)
                out += ',';
            first = false;
            writeString(key, out);
            out += ':';
            write(member, out);
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        for (size_t i = 0; i < value.size(); ++i) {
            if (i)
                out += ',';
            write(value[i], out);
        }
        out += ']';
        break;
    }
    case Json::value_t::string: writeString(value.get_ref<const std::string&>(), out); break;
    case Json::value_t::boolean: out += value.get<bool>() ? "true" : "false"; break;
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float: out += scriptNumberText(value.get<double>()); break;
    default: out += "null"; break;
    }
}

}  // namespace

std::optional<Json> parseJsonText(std::string_view utf8)
{
    if (nestingDepth(utf8) > kMaxDepth)
        return std::nullopt;
    Json value = Json::parse(utf8, nullptr, /*allow_exceptions=*/false);
    if (value.is_discarded())
        return std::nullopt;
    return value;
}

std::string writeJsonText(const Json& value)
{
    std::string out;
    write(value, out);
    return out;
}

std::string numberText13g(double number)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", number);
    return buffer;
}

}  // namespace json_detail
