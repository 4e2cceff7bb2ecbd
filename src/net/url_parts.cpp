#include "net/url_parts.h"

#include "base/text.h"
#include "net/text_between.h"

bool isSecureUrl(std::string_view url) { return asciiLower(leftText(url, 8)) == "https://"; }

std::string urlHost(std::string_view url, bool keepPort)
{
    std::string text = asciiLower(url);
    if (text.empty() || text.back() != '/')
        text += '/';
    std::string scheme = "https://";
    if (text.rfind(scheme, 0) != 0) {
        scheme = "http://";
        if (findText(text, scheme) < 0)
            text = scheme + text;
    }
    std::string host = textBetween(text, scheme, "/");
    int colon = findText(host, ":");
    if (keepPort || colon < 0)
        return host;
    return leftText(host, colon - 1);
}

int urlPort(std::string_view url)
{
    std::string host = urlHost(url, true);
    size_t colon = host.rfind(':');
    if (colon == std::string::npos)
        return asciiLower(leftText(url, 5)) == "https" ? 443 : 80;
    return textToInt(host.substr(colon + 1));
}

std::string urlPath(std::string_view url)
{
    // The host is looked for after the scheme: a short host name such as "h"
    // would otherwise be found inside "http" itself.
    int schemeEnd = findText(url, "://");
    int hostAt = findText(url, urlHost(url, false), schemeEnd > 0 ? schemeEnd + 3 : 1, true);
    int slash = findText(url, "/", hostAt > 0 ? hostAt : 1, true);
    if (slash < 0)
        return "/";
    return std::string(url.substr(static_cast<size_t>(slash - 1)));
}
