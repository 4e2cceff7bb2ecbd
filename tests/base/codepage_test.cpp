#include "base/codepage.h"

#include <gtest/gtest.h>

// Narrow literals in this project are GBK bytes; u"" literals are UTF-16.
TEST(Codepage, GbkAndUtf16RoundTrip)
{
    EXPECT_EQ(utf16FromGbk("中文名"), u"中文名");
    EXPECT_EQ(gbkFromUtf16(u"中文名"), "中文名");
    EXPECT_EQ(std::string("中"), "\xD6\xD0");
    EXPECT_EQ(utf16FromGbk("C:\\App\\"), u"C:\\App\\");
    EXPECT_EQ(utf16FromGbk(""), u"");
}

TEST(Codepage, CharactersOutsideGbkBecomeQuestionMarks)
{
    EXPECT_EQ(gbkFromUtf16(u"a\u0E01b"), "a?b");     // Thai letter
    EXPECT_EQ(gbkFromUtf16(u"x\U0001F600y"), "x??y");  // one per UTF-16 unit
}

TEST(Codepage, Utf8)
{
    const char utf8Name[] = "\xE4\xB8\xAD\xE6\x96\x87";  // "中文" in UTF-8
    EXPECT_EQ(gbkFromUtf8(utf8Name), "中文");
    EXPECT_EQ(utf8FromGbk("中文"), utf8Name);
    EXPECT_TRUE(isValidUtf8(utf8Name));
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_FALSE(isValidUtf8("中文"));             // GBK bytes
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE4\xB8"));         // truncated
    EXPECT_EQ(utf16FromUtf8("a\xFF"), u"a\uFFFD");
    EXPECT_EQ(utf8FromUtf16(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Codepage, MalformedGbkNeverSwallowsTheNextCharacter)
{
    EXPECT_EQ(wellFormedGbk("a\xC0\"b"), "a?\"b");
    EXPECT_EQ(wellFormedGbk("\x80\xFF\xD6\xD0\xD6"), "??\xD6\xD0?");
    EXPECT_EQ(utf16FromGbk("\xC0\"}"), u"?\"}");
    EXPECT_EQ(utf16FromGbk("x\xD6"), u"x?");
}
