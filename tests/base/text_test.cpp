#include "base/text.h"

#include <gtest/gtest.h>

// "中" is D6 D0; "丂" is 81 40 and "丄" is 81 44: their trail bytes look like
// "@" and "D", which a byte-wise search would wrongly match.
static const std::string kZhong = "\xD6\xD0";
static const std::string kTrailAt = "\x81\x40";
static const std::string kTrailD = "\x81\x44";

TEST(FindText, Cases)
{
    struct Case {
        std::string text, what;
        int start;
        bool ignoreCase;
        int expected;
    } cases[] = {
        {"hello world", "o", 1, false, 5},
        {"hello world", "o", 6, false, 8},
        {"hello world", "O", 1, false, -1},
        {"hello world", "O", 1, true, 5},
        {"Set-Cookie", "set-cookie", 1, true, 1},
        {"abc", "", 1, false, -1},
        {"abc", "abcd", 1, false, -1},
        {"abc", "c", 0, false, 3},      // a start below 1 searches from the beginning
        {"abc", "c", 4, false, -1},
        {kTrailAt + "@", "@", 1, false, 3},  // not the trail byte at 2
        {kTrailD, "d", 1, true, -1},         // trail bytes are never folded
        {kTrailD + "D", "d", 1, true, 3},
        {kZhong + kZhong, kZhong, 2, false, 3},  // start inside a character
        {"\xD6" + kZhong, "\xD0\xD6", 1, false, -1},
        {kZhong + "x", "\xD6", 1, false, -1},    // a match may not end inside a character
        {"a" + kZhong + "b", kZhong + "B", 1, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findText(c.text, c.what, c.start, c.ignoreCase), c.expected) << c.text << " / " << c.what;
}

TEST(ReplaceAll, Cases)
{
    EXPECT_EQ(replaceAll("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(replaceAll("aaa", "a", "aa"), "aaaaaa");  // replaced text is not scanned again
    EXPECT_EQ(replaceAll("abab", "ab", ""), "");
    EXPECT_EQ(replaceAll("xyz", "", "q"), "xyz");
    EXPECT_EQ(replaceAll(kTrailAt + "@", "@", "!"), kTrailAt + "!");
}

TEST(SplitText, Cases)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(splitText("a,b,c", ","), (V{"a", "b", "c"}));
    EXPECT_EQ(splitText("a,,b", ","), (V{"a", "", "b"}));
    EXPECT_EQ(splitText("a,b,", ","), (V{"a", "b"}));
    EXPECT_EQ(splitText(",a", ","), (V{"", "a"}));
    EXPECT_EQ(splitText("", ","), V{});
    EXPECT_EQ(splitText("l1\r\nl2\r\n", "\r\n"), (V{"l1", "l2"}));
    EXPECT_EQ(splitText(kTrailAt + "@x", "@"), (V{kTrailAt, "x"}));
}

TEST(TrimText, Cases)
{
    const std::string fullSpace = "\xA1\xA1";
    EXPECT_EQ(trimText("  a b  "), "a b");
    EXPECT_EQ(trimText(fullSpace + " a" + fullSpace), "a");
    EXPECT_EQ(trimText("   "), "");
    EXPECT_EQ(trimText("\ta\t"), "\ta\t");  // only spaces are trimmed
    EXPECT_EQ(trimText("\xB0\xA1\xA1\xA1"), "\xB0\xA1");  // a character, then a full-width space
    // The last two bytes are the trail of "\xB0\xA1" and a lone lead byte.
    EXPECT_EQ(trimText("x\xB0\xA1\xA1"), "x\xB0\xA1\xA1");
}

TEST(PartsOfText, Cases)
{
    EXPECT_EQ(leftText("abcdef", 2), "ab");
    EXPECT_EQ(leftText("abc", 9), "abc");
    EXPECT_EQ(leftText("abc", 0), "");
    EXPECT_EQ(leftText("abc", -1), "");
    EXPECT_EQ(rightText("abcdef", 2), "ef");
    EXPECT_EQ(rightText("abc", 9), "abc");
    EXPECT_EQ(rightText("abc", 0), "");
    EXPECT_EQ(midText("abcdef", 2, 3), "bcd");
    EXPECT_EQ(midText("abcdef", 5, 9), "ef");
    EXPECT_EQ(midText("abcdef", 7, 1), "");
    EXPECT_EQ(midText("abcdef", 1, 0), "");
    EXPECT_EQ(midText("abcdef", 0, 2), "");
}

TEST(BytesToText, StopsAtFirstZero)
{
    EXPECT_EQ(bytesToText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(bytesToText("abc"), "abc");
    EXPECT_EQ(bytesToText(std::string("\0", 1)), "");
}

TEST(TextToInt, Cases)
{
    struct Case {
        std::string text;
        int expected;
    } cases[] = {
        {"42", 42},
        {"  -17x", -17},
        {"+5", 5},
        {"00076984", 76984},
        {"12ab5678", 12},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"\t\n 7", 7},
        {"\xA3\xB1\xA3\xB2", 12},          // full-width "12"
        {"\xA1\xA1\xA3\xAD\xA3\xB3", -3},  // full-width space, minus, three
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textToInt(c.text), c.expected) << c.text;
}

TEST(AsciiLower, KeepsDoubleByteCharacters)
{
    EXPECT_EQ(asciiLower("NOTEPAD.EXE"), "notepad.exe");
    // "\x81\x44" keeps its trail byte although it is an ASCII "D".
    EXPECT_EQ(asciiLower(kTrailD + "AB"), kTrailD + "ab");
}

TEST(LeadingNumber, Cases)
{
    EXPECT_EQ(leadingNumber("12345"), 12345);
    EXPECT_EQ(leadingNumber("1073741824 "), 1073741824LL);
    EXPECT_EQ(leadingNumber("5000000000"), 5000000000LL);
    EXPECT_EQ(leadingNumber("x1"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-5"), 0);
}
