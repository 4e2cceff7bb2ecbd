#include "base/text.h"

#include <charconv>
#include <climits>

namespace {

size_t charLength(std::string_view text, size_t at)
{
    return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares `what` with `text` at the character boundary `at`. Trail bytes of
// two-byte characters compare exactly, since they may look like ASCII letters.
// The match must end on a character boundary of `text` too.
bool matchesAt(std::string_view text, size_t at, std::string_view what, bool ignoreCase)
{
    if (text.size() - at < what.size())
        return false;
    size_t i = 0;
    while (i < what.size()) {
        size_t len = charLength(text, at + i);
        if (i + len > what.size())
            return false;  // the match would end inside a character
        if (len == 2 || !ignoreCase) {
            if (text.compare(at + i, len, what.substr(i, len)) != 0)
                return false;
        } else if (foldAscii(text[at + i]) != foldAscii(what[i])) {
            return false;
        }
        i += len;
    }
    return true;
}

}  // namespace

int findText(std::string_view text, std::string_view what, int start, bool ignoreCase)
{
    if (what.empty())
        return -1;
    size_t from = start > 1 ? static_cast<size_t>(start - 1) : 0;
    for (size_t at = 0; at < text.size(); at += charLength(text, at)) {
        if (at >= from && matchesAt(text, at, what, ignoreCase))
            return static_cast<int>(at + 1);
    }
    return -1;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to, bool ignoreCase)
{
    std::string result;
    int pos = 1;
    for (int found; (found = findText(text, from, pos, ignoreCase)) > 0; pos = found + static_cast<int>(from.size())) {
        result.append(text.substr(pos - 1, found - pos));
        result.append(to);
    }
    result.append(text.substr(pos - 1));
    return result;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator)
{
    std::vector<std::string> pieces;
    int pos = 1;
    for (int found; (found = findText(text, separator, pos)) > 0; pos = found + static_cast<int>(separator.size()))
        pieces.emplace_back(text.substr(pos - 1, found - pos));
    if (static_cast<size_t>(pos - 1) < text.size())
        pieces.emplace_back(text.substr(pos - 1));
    return pieces;
}

std::string trimText(std::string_view text)
{
    static constexpr std::string_view fullWidthSpace = "\xA1\xA1";
    size_t begin = 0;
    for (;;) {
        if (begin < text.size() && text[begin] == ' ')
            begin += 1;
        else if (text.substr(begin, 2) == fullWidthSpace)
            begin += 2;
        else
            break;
    }
    // Trailing blanks are found walking forward on character boundaries: the
    // last two bytes may be "\xA1\xA1" without being a full-width space.
    size_t end = begin;
    for (size_t at = begin; at < text.size();) {
        size_t len = charLength(text, at);
        bool blank = (len == 1 && text[at] == ' ') || (len == 2 && text.substr(at, 2) == fullWidthSpace);
        at += len;
        if (!blank)
            end = at;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string leftText(std::string_view text, int count)
{
    if (count <= 0)
        return {};
    return std::string(text.substr(0, static_cast<size_t>(count)));
}

std::string rightText(std::string_view text, int count)
{
    if (count <= 0)
        return {};
    size_t n = std::min(text.size(), static_cast<size_t>(count));
    return std::string(text.substr(text.size() - n));
}

std::string midText(std::string_view text, int start, int count)
{
    if (count <= 0 || start < 1 || static_cast<size_t>(start) > text.size())
        return {};
    return std::string(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

std::string bytesToText(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find('\0')));
}

int textToInt(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (size_t at = 0; at < text.size(); at += charLength(text, at)) {
        auto lead = static_cast<unsigned char>(text[at]);
        auto trail = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += static_cast<char>(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else
            folded.append(text.substr(at, charLength(text, at)));
    }

    size_t i = 0;
    while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-'))
        negative = folded[i++] == '-';
    long long value = 0;
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
        value = value * 10 + (folded[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;  // saturate, keep reading digits
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

long long leadingNumber(std::string_view text)
{
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value < 0 ? 0 : value;
}

std::string asciiLower(std::string_view text)
{
    std::string result(text);
    for (size_t at = 0; at < result.size(); at += charLength(result, at))
        result[at] = foldAscii(result[at]);
    return result;
}
