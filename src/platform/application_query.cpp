#include "app/identity.h"
#include "app/settings.h"
#include "base/text.h"
#include "json/json_document.h"
#include "platform/platform_client.h"

#include <cmath>

namespace {

int intAt(const JsonDocument& doc, const char* member)
{
    // Fractions truncate toward zero; values beyond 32 bits saturate.
    double value = std::trunc(doc.getNumber(member));
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

std::string textAt(const JsonDocument& doc, const char* member) { return doc.getText(member, false); }

// Elements of the array at `member`. A missing or null member counts below
// 0: it is read as an empty list, never as a length.
template <typename Entry, typename Fill>
std::vector<Entry> readList(const JsonDocument& doc, const char* member, Fill fill)
{
    JsonDocument list = doc.getDocument(member);
    int n = list.count("");
    std::vector<Entry> entries(n > 0 ? static_cast<size_t>(n) : 0);
    for (size_t i = 0; i < entries.size(); ++i)
        fill(list.getItemDocument(static_cast<int>(i), ""), entries[i]);
    return entries;
}

void fillModelEntry(const JsonDocument& e, ModelEntry& entry)
{
    entry.id = intAt(e, "id");
    entry.name = textAt(e, "name");
    entry.value = textAt(e, "value");
}

void fillDownloadItem(const JsonDocument& e, DownloadItem& item)
{
    item.id = intAt(e, "id");
    item.address = textAt(e, "address");
    item.youdao = textAt(e, "youdao");
    item.lanzou = textAt(e, "lanzou");
    item.isNow = intAt(e, "is_now");
    item.version = textAt(e, "version");
    item.isUp = intAt(e, "is_up");
    item.upLog = textAt(e, "up_log");
}

void fillDownloadModel(const JsonDocument& e, DownloadModel& model)
{
    model.modelId = intAt(e, "model_id");
    model.name = textAt(e, "name");
    model.items = readList<DownloadItem>(e, "value", fillDownloadItem);
}

}  // namespace

int PlatformClient::queryApplication(std::string_view base, int appId, std::string_view secretKey, int agentIdValue,
                                     AppInfo& app)
{
    platformBase_ = std::string(base);
    // Parameters go into the line as they are, without percent-encoding.
    std::string url = platformBase_ + "/app_api/getapp_1?app_id=" + std::to_string(appId) +
                      "&secret_key=" + std::string(secretKey) + "&agent_id=" + std::to_string(agentIdValue);

    JsonDocument answer;
    answer.parse(bytesToText(fetch_(url)));
    int code = intAt(answer, "code");
    if (code != 1)
        return code;

    JsonDocument data = answer.getDocument("data");
    app.name = textAt(data, "name");
    app.icon = textAt(data, "icon");
    app.downloadModels = readList<DownloadModel>(data, "down_model", fillDownloadModel);

    JsonDocument agentApp = data.getDocument("agent_app");
    app.agentApp.appName = textAt(agentApp, "app_name");
    app.agentApp.appIcon = textAt(agentApp, "app_icon");
    app.agentApp.agentModels = readList<ModelEntry>(agentApp, "agent_model", fillModelEntry);
    app.fileModels = readList<ModelEntry>(data, "file_model", fillModelEntry);
    return code;
}

bool PlatformClient::loadApplication(std::string& agentId, AppInfo& app, std::string& iconBytes)
{
    AgentNumber agent = fixUpAgentId(agentId);
    agentId = agent.text;
    int code = queryApplication(platformBase, appId, secretKey, agent.value, app);
    // The icon is fetched whatever the answer; after a failed query the
    // address is empty and so is the icon.
    iconBytes = app.agentApp.appIcon.empty() ? std::string() : fetch_(app.agentApp.appIcon);
    return code == 1;
}
