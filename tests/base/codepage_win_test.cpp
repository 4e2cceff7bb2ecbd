#include "base/codepage_win.h"
#include "support/temp_dir_win.h"

#include <gtest/gtest.h>
#include <windows.h>

// The Windows tests run with LANG=C, so Wine's ANSI code page is 1252. The
// conversions must not care.
TEST(CodepageWin, IndependentOfTheAnsiCodePage)
{
    EXPECT_EQ(GetACP(), 1252u) << "the test environment should not use code page 936";
    EXPECT_EQ(toWide("中文名"), L"中文名");
    EXPECT_EQ(fromWide(L"中文名"), "中文名");
    EXPECT_EQ(fromWide(L"a\u0E01b"), "a?b");
}

TEST(CodepageWin, CreatesAFolderWithAChineseName)
{
    TempDir dir;
    std::wstring folder = dir.path() + L"\\" + toWide("中文名");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir.path() + L"\\*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    std::wstring found;
    do {
        if (data.cFileName[0] != L'.')
            found = data.cFileName;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    EXPECT_EQ(found, L"中文名");
    EXPECT_EQ(fromWide(found), "中文名");
}
