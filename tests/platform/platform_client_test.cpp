#include "platform/platform_client.h"

#include "app/settings.h"
#include "install/download_choice.h"
#include "support/utf8.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A canned platform: answers by URL, records what was asked.
struct CannedServer {
    std::map<std::string, std::string> answers;
    std::vector<std::string> requests;

    Fetch fetch()
    {
        return [this](const std::string& url) {
            requests.push_back(url);
            auto it = answers.find(url);
            return it == answers.end() ? std::string() : it->second;
        };
    }
};

const std::string kBase = "http://platform.test";
const std::string kQuery = kBase + "/app_api/getapp_1?app_id=1&secret_key=KEY&agent_id=76984";

int query(const std::string& answer, AppInfo& app)
{
    CannedServer server;
    server.answers[kQuery] = answer;
    PlatformClient client(server.fetch());
    return client.queryApplication(kBase, 1, "KEY", 76984, app);
}

std::string answerWithData(const std::string& data, const std::string& code = "1")
{
    return R"({"code":)" + code + R"(,"content":"ok","data":)" + data + "}";
}

const std::string kFullData = R"({
  "name":"App","icon":"http://icons/app.ico",
  "down_model":[
    {"model_id":7,"name":"first","value":[{"id":1,"address":"http://a/1","youdao":"http://y/1","lanzou":"http://l/1",
                                            "is_now":1.7,"version":2,"is_up":0,"up_log":"log"}]},
    {"model_id":8,"name":"second","value":[{"id":2},{"id":3}]},
    {"model_id":9,"name":"third","value":[]}],
  "agent_app":{"app_name":"Demo","app_icon":"http://icons/demo.ico","agent_model":[{"id":4,"name":"n","value":"v"}]},
  "file_model":[{"id":5,"name":"f","value":"w"},{"id":6}]})";

}  // namespace

TEST(QueryApplication, FillsTheRecord)
{
    AppInfo app;
    ASSERT_EQ(query(answerWithData(kFullData), app), 1);
    EXPECT_EQ(app.name, "App");
    EXPECT_EQ(app.icon, "http://icons/app.ico");
    ASSERT_EQ(app.downloadModels.size(), 3u);
    EXPECT_EQ(app.downloadModels[0].modelId, 7);
    EXPECT_EQ(app.downloadModels[1].items.size(), 2u);
    EXPECT_EQ(app.downloadModels[1].items[1].id, 3);
    EXPECT_EQ(app.downloadModels[2].items.size(), 0u);
    const DownloadItem& item = app.downloadModels[0].items[0];
    EXPECT_EQ(item.address, "http://a/1");
    EXPECT_EQ(item.youdao, "http://y/1");
    EXPECT_EQ(item.lanzou, "http://l/1");
    EXPECT_EQ(item.isNow, 1);        // 1.7 truncated
    EXPECT_EQ(item.version, "2");    // a number where a text is expected
    EXPECT_EQ(item.upLog, "log");
    EXPECT_EQ(app.agentApp.appName, "Demo");
    EXPECT_EQ(app.agentApp.appIcon, "http://icons/demo.ico");
    ASSERT_EQ(app.agentApp.agentModels.size(), 1u);
    EXPECT_EQ(app.agentApp.agentModels[0].value, "v");
    ASSERT_EQ(app.fileModels.size(), 2u);
    EXPECT_EQ(app.fileModels[1].id, 6);
    EXPECT_EQ(app.fileModels[1].name, "");

    DownloadChoice choice;
    EXPECT_TRUE(selectCurrentDownload(app, choice));
    EXPECT_EQ(choice.version, "2");
}

TEST(QueryApplication, ResultCodes)
{
    struct Case {
        std::string answer;
        int code;
    } cases[] = {
        {answerWithData(kFullData, "1"), 1},
        {answerWithData(kFullData, "1.9"), 1},
        {answerWithData(kFullData, "0.9"), 0},
        {answerWithData(kFullData, "2"), 2},
        {answerWithData(kFullData, "-1"), -1},
        {answerWithData(kFullData, "\"1\""), 1},  // a numeric string converts
        {R"({"code":0,"content":"no such agent"})", 0},
        {"<html>502 Bad Gateway</html>", 0},
        {"", 0},
        {R"({"code":1})", 1},
        {"{code:1}", 0},  // a script literal, not JSON
        {std::string(R"({"code":1,"data":{"name":"A"}})") + std::string(1, '\0') + "garbage", 1},
        {std::string(R"({"code":)") + std::string(1, '\0') + "1}", 0},  // only the bytes before the zero count
    };
    for (const Case& c : cases) {
        AppInfo app;
        EXPECT_EQ(query(c.answer, app), c.code) << c.answer;
        if (c.code != 1) {
            EXPECT_EQ(app.name, "") << c.answer;
            EXPECT_TRUE(app.downloadModels.empty()) << c.answer;
        }
    }
}

TEST(QueryApplication, MissingOrOddListsStayEmpty)
{
    for (const std::string& data : {std::string("{}"), std::string(R"({"down_model":[],"file_model":[]})"),
                                   std::string(R"({"down_model":null,"agent_app":{"agent_model":"xyz"}})"),
                                   std::string(R"({"down_model":[{"value":null}]})")}) {
        AppInfo app;
        EXPECT_EQ(query(answerWithData(data), app), 1) << data;
        EXPECT_TRUE(app.fileModels.empty()) << data;
        for (const auto& model : app.downloadModels)
            EXPECT_TRUE(model.items.empty()) << data;
        DownloadChoice choice;
        EXPECT_FALSE(selectCurrentDownload(app, choice)) << data;
    }
    AppInfo app;
    EXPECT_EQ(query(R"({"code":1})", app), 1);  // no "data" at all
    EXPECT_EQ(app.agentApp.appName, "");
}

TEST(QueryApplication, ApplicationNameInEveryEncoding)
{
    for (const std::string& nameJson :
         {std::string(R"("\u5fae\u4fe1")"), utf8(u8"\"微信\""), std::string("\"微信\"")}) {
        AppInfo app;
        ASSERT_EQ(query(answerWithData(R"({"agent_app":{"app_name":)" + nameJson + "}}"), app), 1);
        EXPECT_EQ(app.agentApp.appName, "微信") << nameJson;
    }
}

TEST(LoadApplication, RequestLineAgentFixUpAndIcon)
{
    CannedServer server;
    std::string query = std::string(platformBase) + "/app_api/getapp_1?app_id=" + std::to_string(appId) +
                        "&secret_key=" + secretKey + "&agent_id=76984";
    server.answers[query] = answerWithData(kFullData);
    server.answers["http://icons/demo.ico"] = std::string("ICO\0bytes", 9);
    PlatformClient client(server.fetch());

    std::string agentId = "00076984";
    AppInfo app;
    std::string icon;
    EXPECT_TRUE(client.loadApplication(agentId, app, icon));
    EXPECT_EQ(agentId, "00076984");
    EXPECT_EQ(icon, std::string("ICO\0bytes", 9));
    EXPECT_EQ(server.requests, (std::vector<std::string>{query, "http://icons/demo.ico"}));

    // No usable number: agent "1"; a failed query still leaves an empty icon.
    CannedServer silent;
    PlatformClient failing(silent.fetch());
    std::string zeros = "00000000";
    std::string noIcon = "stale";
    AppInfo empty;
    EXPECT_FALSE(failing.loadApplication(zeros, empty, noIcon));
    EXPECT_EQ(zeros, "1");
    EXPECT_EQ(noIcon, "");
    ASSERT_EQ(silent.requests.size(), 1u);
    EXPECT_NE(silent.requests[0].find("&agent_id=1"), std::string::npos);

    std::string negative = "-0000005";
    failing.loadApplication(negative, empty, noIcon);
    EXPECT_EQ(negative, "-0000005");
    EXPECT_NE(silent.requests.back().find("&agent_id=-5"), std::string::npos);
}

TEST(ResolveShareLink, Answers)
{
    const std::string link = "https://share.test/s/a?b=1&c=2";
    const std::string url = kBase + "/app_api/getLzyUrl?url=" + link;  // appended without encoding
    struct Case {
        std::string answer;
        bool ok;
        std::string address;
    } cases[] = {
        {R"({"code":1,"data":{"content":"http://direct/file.exe"}})", true, "http://direct/file.exe"},
        {R"({"code":1.9,"data":{"content":"X"}})", true, "X"},
        {R"({"code":1})", true, ""},
        {R"({"code":0,"data":{"content":"X"}})", false, "before"},
        {R"({"code":0.9,"data":{"content":"X"}})", false, "before"},
        {"", false, "before"},
    };
    for (const Case& c : cases) {
        CannedServer server;
        server.answers[kQuery] = R"({"code":0})";
        server.answers[url] = c.answer;
        PlatformClient client(server.fetch());
        AppInfo app;
        client.queryApplication(kBase, 1, "KEY", 76984, app);  // stores the base
        std::string address = "before";
        EXPECT_EQ(client.resolveShareLink(link, address), c.ok) << c.answer;
        EXPECT_EQ(address, c.address) << c.answer;
        EXPECT_EQ(server.requests.back(), url);
    }
}
