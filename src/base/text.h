#pragma once
// Text operations on code-page-936 (GBK) byte strings.
//
// Lengths and positions count bytes. A byte from 0x81 to 0xFE leads a
// two-byte character; searches step over whole characters, so a match never
// starts or ends inside one. Positions are 1-based; "not found" is -1.

#include <string>
#include <string_view>
#include <vector>

// 1-based position of the first occurrence of `what` at or after `start`, or
// -1. `ignoreCase` folds the ASCII letters A-Z only. An empty `what` is never
// found.
int findText(std::string_view text, std::string_view what, int start = 1, bool ignoreCase = false);

// Replaces every occurrence left to right; replaced text is not scanned again.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to, bool ignoreCase = false);

// Splits at every occurrence of `separator`. Adjacent separators give empty
// pieces; a trailing separator gives no empty last piece.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// Removes ASCII spaces and full-width spaces (0xA1 0xA1) at both ends.
std::string trimText(std::string_view text);

// Byte-count parts; a count of 0 or less gives an empty text.
std::string leftText(std::string_view text, int count);
std::string rightText(std::string_view text, int count);
// `count` bytes from the 1-based position `start`.
std::string midText(std::string_view text, int start, int count);

// The bytes up to, not including, the first zero byte (all of them if none).
std::string bytesToText(std::string_view bytes);

// atoi after folding full-width forms to ASCII: 0xA3 with a trail byte from
// 0xA1 to 0xFE becomes the ASCII character trail - 0x80, and 0xA1 0xA1 becomes
// a space. Leading white space, one sign, then decimal digits; no digits give
// 0. Values beyond the 32-bit range saturate.
int textToInt(std::string_view text);

// The leading decimal digits of `text` as a non-negative 64-bit number; 0
// when there are none.
long long leadingNumber(std::string_view text);

// True for the first byte of a two-byte character.
inline bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// ASCII-only lower-casing that leaves both bytes of a two-byte character alone.
std::string asciiLower(std::string_view text);
