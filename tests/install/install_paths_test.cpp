#include "install/install_paths.h"

#include <gtest/gtest.h>

TEST(InstallPaths, FolderRules)
{
    EXPECT_EQ(withFinalBackslash("C:\\Apps\\Demo"), "C:\\Apps\\Demo\\");
    EXPECT_EQ(withFinalBackslash("C:\\Apps\\Demo\\"), "C:\\Apps\\Demo\\");
    EXPECT_EQ(withFinalBackslash(""), "\\");
    EXPECT_EQ(folderForChoice("D:\\Apps", "Demo"), "D:\\Apps\\Demo\\");
    EXPECT_EQ(folderForChoice("D:\\", "Demo"), "D:\\Demo\\");
    EXPECT_EQ(folderForChoice("D:\\", ""), "D:\\\\");
    EXPECT_EQ(badFolderMessage("C:\\x\\"), "请确认所选的安装位置是否合法，程序无法在该位置安装\r\n“C:\\x\\”");
}

TEST(InstallPaths, ShortcutRules)
{
    EXPECT_EQ(fileTitle("C:\\a\\Demo.exe"), "Demo");
    EXPECT_EQ(fileTitle("C:\\a.b\\name"), "name");
    EXPECT_EQ(fileTitle("x.tar.gz"), "x.tar");
    EXPECT_EQ(folderOf("C:\\Apps\\Demo\\Demo.exe"), "C:\\Apps\\Demo\\");
    EXPECT_EQ(folderOf("Demo.exe"), "");
    EXPECT_EQ(linkFileName("Demo"), "Demo.lnk");
    EXPECT_EQ(linkFileName("Demo.LNK"), "Demo.LNK");
    EXPECT_EQ(linkFileName("my.lnk.app"), "my.lnk.app");
    EXPECT_EQ(linkFileName("C:\\Users\\u\\Desktop\\Demo.lnk"), "Demo.lnk");
    EXPECT_EQ(linkFileName("微信"), "微信.lnk");
}
