#pragma once
// The installer's two questions to the platform server: which application it
// installs for its agent, and the direct address behind a share link.

#include "platform/app_info.h"

#include <functional>
#include <string>
#include <string_view>

// One GET: the response body, empty when the request failed.
using Fetch = std::function<std::string(const std::string& url)>;

class PlatformClient {
public:
    explicit PlatformClient(Fetch fetch) : fetch_(std::move(fetch)) {}

    // The start-up query: fixes up `agentId` ("1" when it holds no number
    // other than 0), queries the compiled-in platform, then fetches the
    // application icon into `iconBytes` whatever the answer. True when the
    // answer's code is 1.
    bool loadApplication(std::string& agentId, AppInfo& app, std::string& iconBytes);

    // GET base/app_api/getapp_1 and, when its "code" truncates to 1, fill
    // `app` from "data". Returns that code (0 when there is no answer). The
    // base is kept for resolveShareLink.
    int queryApplication(std::string_view base, int appId, std::string_view secretKey, int agentIdValue,
                         AppInfo& app);

    // GET base/app_api/getLzyUrl?url=link. On code 1, `resolvedAddress`
    // receives data.content; otherwise it keeps its value.
    bool resolveShareLink(std::string_view link, std::string& resolvedAddress) const;

private:
    Fetch fetch_;
    std::string platformBase_;
};
