#include "platform/platform_client.h"

#include "install/download_choice.h"
#include "net/web_request.h"
#include "support/test_server_win.h"

#include <gtest/gtest.h>

// The platform client over the real web request routine, against the test
// platform server.
TEST(PlatformClientLive, QueriesTheApplicationAndResolvesTheShareLink)
{
    resetRequests();
    PlatformClient client([](const std::string& url) { return webRequest(url); });
    std::string agentId = "00076984";
    AppInfo app;
    std::string icon;
    ASSERT_TRUE(client.loadApplication(agentId, app, icon));
    EXPECT_EQ(app.agentApp.appName, "Demo");
    EXPECT_EQ(icon, "ICON");
    DownloadChoice choice;
    ASSERT_TRUE(selectCurrentDownload(app, choice));
    EXPECT_EQ(choice.address, serverBase() + "/files/demo-2.0.exe");

    std::string resolved;
    EXPECT_TRUE(client.resolveShareLink("https://share.example.com/s/installer", resolved));
    EXPECT_EQ(resolved, serverBase() + "/files/demo-2.0.exe");

    auto requests = recordedRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].line,
              "GET /app_api/getapp_1?app_id=1&secret_key=Hq3XwTb7LmRz9KcVp2NdYs5FjQa8GtUe&agent_id=76984 HTTP/1.1");
    EXPECT_EQ(requests[2].line, "GET /app_api/getLzyUrl?url=https://share.example.com/s/installer HTTP/1.1");
}

TEST(PlatformClientLive, UnknownAgentIsRefused)
{
    PlatformClient client([](const std::string& url) { return webRequest(url); });
    std::string agentId = "00000777";
    AppInfo app;
    std::string icon;
    EXPECT_FALSE(client.loadApplication(agentId, app, icon));
    EXPECT_EQ(app.agentApp.appName, "");
}
