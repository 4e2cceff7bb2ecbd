#include "base/codepage.h"

namespace {

// Decodes one UTF-8 sequence at `at`; returns its length, or 0 when malformed.
size_t decodeUtf8(std::string_view s, size_t at, char32_t& out)
{
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b0 = byte(at);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    size_t len;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2, min = 0x80, out = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3, min = 0x800, out = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4, min = 0x10000, out = b0 & 0x07;
    } else {
        return 0;
    }
    if (at + len > s.size())
        return 0;
    for (size_t i = 1; i < len; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        out = (out << 6) | (byte(at + i) & 0x3F);
    }
    if (out < min || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

std::string wellFormedGbk(std::string_view gbk)
{
    std::string out(gbk);
    for (size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c < 0x80)
            continue;
        auto trail = i + 1 < out.size() ? static_cast<unsigned char>(out[i + 1]) : 0;
        if (c >= 0x81 && c <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F)
            ++i;  // a whole character
        else
            out[i] = '?';
    }
    return out;
}

bool isValidUtf8(std::string_view bytes)
{
    char32_t c;
    for (size_t at = 0; at < bytes.size();) {
        size_t len = decodeUtf8(bytes, at, c);
        if (len == 0)
            return false;
        at += len;
    }
    return true;
}

std::u16string utf16FromUtf8(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        char32_t c;
        size_t len = decodeUtf8(utf8, at, c);
        if (len == 0) {
            c = 0xFFFD;
            len = 1;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        at += len;
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size() * 3);
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;  // a lone surrogate
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string gbkFromUtf8(std::string_view utf8) { return gbkFromUtf16(utf16FromUtf8(utf8)); }

std::string utf8FromGbk(std::string_view gbk) { return utf8FromUtf16(utf16FromGbk(gbk)); }
