#include "app/running_copies.h"

#include <gtest/gtest.h>

TEST(RunningCopies, NameRule)
{
    EXPECT_TRUE(isSameProcessName("DEMO.EXE", "Demo.exe"));
    EXPECT_TRUE(isSameProcessName("demo.exe", "Demo.exe"));
    EXPECT_FALSE(isSameProcessName("Demo2.exe", "Demo.exe"));
    EXPECT_TRUE(isSameProcessName("微信.EXE", "微信.exe"));
    // Full-width "Ａ" (A3 C1) and "ａ" (A3 E1) differ: double-byte letters never fold.
    EXPECT_FALSE(isSameProcessName("\xA3\xC1.exe", "\xA3\xE1.exe"));
    // A trail byte that looks like "D" is not folded to "d".
    EXPECT_FALSE(isSameProcessName("\x81\x44.exe", "\x81\x64.exe"));
    EXPECT_FALSE(isSameProcessName("notepad.exe", ".exe"));  // an empty application name
}
