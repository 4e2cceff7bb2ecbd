#include "install/shortcut_win.h"

#include "base/codepage_win.h"
#include "support/temp_dir_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

TEST(SpecialFolderPath, EveryKind)
{
    for (int kind = 0; kind <= 12; ++kind) {
        std::string path = specialFolderPath(kind);
        EXPECT_FALSE(path.empty()) << kind;
        EXPECT_EQ(path.back(), '\\') << kind;
    }
    EXPECT_EQ(specialFolderPath(0), specialFolderPath(3));  // 0 is the desktop
    EXPECT_EQ(specialFolderPath(13), "");
    EXPECT_EQ(specialFolderPath(-1), "");
}

TEST(CreateShortcut, NameRulesAndTargets)
{
    CoInitialize(nullptr);  // the shell link is a COM object
    TempDir dir;
    std::string folder = fromWide(dir.path()) + "\\";
    std::string desktop = specialFolderPath(0);
    auto exists = [](const std::string& path) { return GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; };

    EXPECT_TRUE(createShortcut("ShortcutTest", folder + "app.exe"));
    EXPECT_TRUE(exists(desktop + "ShortcutTest.lnk"));
    // A full path to that link gives the same link again.
    EXPECT_TRUE(createShortcut(desktop + "ShortcutTest.lnk", folder + "app.exe"));
    EXPECT_TRUE(exists(desktop + "ShortcutTest.lnk"));
    // A name holding ".lnk" is used as it is.
    EXPECT_TRUE(createShortcut("ShortcutTest.LNK.old", folder + "app.exe"));
    EXPECT_TRUE(exists(desktop + "ShortcutTest.LNK.old"));
    // A target without a backslash: no link, and the old one is gone.
    EXPECT_FALSE(createShortcut("ShortcutTest", "app.exe"));
    EXPECT_FALSE(exists(desktop + "ShortcutTest.lnk"));
    DeleteFileW(toWide(desktop + "ShortcutTest.LNK.old").c_str());
}
