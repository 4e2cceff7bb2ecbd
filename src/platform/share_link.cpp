#include "base/text.h"
#include "json/json_document.h"
#include "platform/platform_client.h"

#include <cmath>

bool PlatformClient::resolveShareLink(std::string_view link, std::string& resolvedAddress) const
{
    JsonDocument answer;
    answer.parse(bytesToText(fetch_(platformBase_ + "/app_api/getLzyUrl?url=" + std::string(link))));
    if (std::trunc(answer.getNumber("code")) != 1)
        return false;
    resolvedAddress = answer.getDocument("data").getText("content", false);
    return true;
}
