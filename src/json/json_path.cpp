#include "json/json_path.h"

#include "base/codepage.h"
#include "base/text.h"

namespace json_detail {

namespace {

bool isNameByte(unsigned char c, bool first)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$' || c >= 0x80)
        return true;
    return !first && c >= '0' && c <= '9';
}

// Parses a run of ".name" and "[digits]" steps.
std::optional<Path> parseSteps(std::string_view text)
{
    Path path;
    size_t i = 0;
    while (i < text.size()) {
        PathStep step;
        if (text[i] == '.') {
            size_t start = ++i;
            while (i < text.size() && isNameByte(static_cast<unsigned char>(text[i]), i == start))
                ++i;
            if (i == start)
                return std::nullopt;
            step.name = utf8FromGbk(text.substr(start, i - start));
        } else if (text[i] == '[') {
            size_t start = ++i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9')
                ++i;
            if (i == start || i - start > 9 || i >= text.size() || text[i] != ']')
                return std::nullopt;
            step.isIndex = true;
            step.index = static_cast<size_t>(leadingNumber(text.substr(start, i - start)));
            ++i;
        } else {
            return std::nullopt;
        }
        path.push_back(std::move(step));
    }
    return path;
}

}  // namespace

std::optional<Path> dotRule(std::string_view path)
{
    if (path.empty())
        return std::nullopt;  // "value." alone is not an expression
    return parseSteps("." + std::string(path));
}

std::optional<Path> bracketRule(std::string_view path)
{
    if (!path.empty() && path.front() == '[')
        return parseSteps(path);
    return dotRule(path);
}

std::optional<Path> rootRule(std::string_view path)
{
    return path.empty() ? std::optional<Path>(Path{}) : dotRule(path);
}

std::optional<Path> countRule(std::string_view path)
{
    return path.empty() ? std::optional<Path>(Path{}) : bracketRule(path);
}

}  // namespace json_detail
