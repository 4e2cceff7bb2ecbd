#pragma once
// The one place where texts change encoding. Inside the program every text is
// code page 936 (GBK); Windows calls take UTF-16 and JSON carries UTF-8.
//
// Characters that code page 936 cannot hold become "?". Nothing here depends
// on the system's ANSI code page.

#include <string>
#include <string_view>

std::u16string utf16FromGbk(std::string_view gbk);
std::string gbkFromUtf16(std::u16string_view utf16);

std::string gbkFromUtf8(std::string_view utf8);
std::string utf8FromGbk(std::string_view gbk);

// The text with every byte that does not start a well-formed code page 936
// character replaced by "?": a lead byte without a valid trail byte, 0x80 and
// 0xFF. Both converters see the same input this way, and a stray lead byte
// can never swallow the quote or bracket after it.
std::string wellFormedGbk(std::string_view gbk);

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Malformed sequences become U+FFFD.
std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);
