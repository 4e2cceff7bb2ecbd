#include "install/download_choice.h"

#include <gtest/gtest.h>

namespace {

DownloadItem item(int isNow, std::string version)
{
    DownloadItem i;
    i.isNow = isNow;
    i.version = version;
    i.address = "http://a/" + version;
    i.youdao = "http://y/" + version;
    i.lanzou = "http://l/" + version;
    i.upLog = "log " + version;
    return i;
}

AppInfo appWith(std::vector<std::vector<DownloadItem>> models)
{
    AppInfo app;
    for (auto& items : models)
        app.downloadModels.push_back({0, "m", items});
    return app;
}

}  // namespace

TEST(SelectCurrentDownload, LastCurrentItemOfTheFirstModelWins)
{
    DownloadChoice choice;
    ASSERT_TRUE(selectCurrentDownload(appWith({{item(0, "0.9"), item(1, "1.0"), item(1, "2.0")}}), choice));
    EXPECT_EQ(choice.version, "2.0");
    EXPECT_EQ(choice.address, "http://a/2.0");
    EXPECT_EQ(choice.youdao, "http://y/2.0");
    EXPECT_EQ(choice.lanzou, "http://l/2.0");
    EXPECT_EQ(choice.upLog, "log 2.0");
}

TEST(SelectCurrentDownload, NothingCurrent)
{
    struct Case {
        const char* name;
        AppInfo app;
    } cases[] = {
        {"no models", AppInfo{}},
        {"first model empty", appWith({{}, {item(1, "3.0")}})},
        {"isNow 2 does not count", appWith({{item(2, "1.0")}})},
        {"current only in the second model", appWith({{item(0, "1.0")}, {item(1, "2.0")}})},
    };
    for (const Case& c : cases) {
        DownloadChoice choice{"", "keep", "keep", "keep", "keep"};
        EXPECT_FALSE(selectCurrentDownload(c.app, choice)) << c.name;
        EXPECT_EQ(choice.address, "keep") << c.name;  // untouched
    }
}

TEST(SelectCurrentDownload, CurrentItemWithoutVersionCopiesButFails)
{
    DownloadChoice choice;
    EXPECT_FALSE(selectCurrentDownload(appWith({{item(1, "")}}), choice));
    EXPECT_EQ(choice.address, "http://a/");
    EXPECT_EQ(choice.youdao, "http://y/");
}
