#include "net/request_headers.h"

#include "base/text.h"
#include "net/text_between.h"

std::string agentFromHeaders(std::string_view headers)
{
    int at = findText(headers, "User-Agent:", 1, true);
    if (at < 0)
        return kDefaultAgent;
    std::string agent = trimText(textBetween(std::string(headers) + "\r\n", "User-Agent:", "\r\n"));
    if (agent.empty()) {
        // The name in another letter case: the rest of that line. (Taking
        // everything after the block's first colon would put other header
        // lines, with their line ends, into the agent.)
        std::string_view rest = headers.substr(static_cast<size_t>(at - 1) + 11);
        agent = trimText(rest.substr(0, rest.find("\r\n")));
    }
    return agent;
}

std::string requestHeaderBlock(std::string_view headers, std::string_view url,
                               const std::optional<std::string>& cookies)
{
    std::string block(headers);
    if (block.empty())
        block = "Accept: */*";
    else if (findText(block, "Accept:") < 0)
        block += "\r\nAccept: */*";
    if (findText(block, "Referer:") < 0)
        block += "\r\nReferer: " + std::string(url);
    if (findText(block, "Accept-Language:") < 0)
        block += "\r\nAccept-Language: zh-cn";
    if (findText(block, "Content-Type:") < 0)
        block += "\r\nContent-Type: application/x-www-form-urlencoded";
    if (cookies && !cookies->empty())
        block += findText(*cookies, "Cookie:") > 0 ? "\r\n" + *cookies : "\r\nCookie: " + *cookies;
    return block;
}
