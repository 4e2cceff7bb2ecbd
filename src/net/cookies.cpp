#include "net/cookies.h"

#include "base/text.h"
#include "net/text_between.h"

std::string normalizeSetCookie(std::string_view responseHeaders)
{
    return replaceAll(responseHeaders, "Set-Cookie", "Set-Cookie", true);
}

std::string cookiesFromHeaders(std::string_view responseHeaders)
{
    std::string cookies;
    for (const std::string& line : splitText(responseHeaders, "\r\n")) {
        if (findText(line, "Set-Cookie") < 0)
            continue;
        std::string value = findText(line, ";") > 0 ? trimText(textBetween(line, "Set-Cookie:", ";"))
                                                    : trimText(replaceAll(line, "Set-Cookie:", "", true));
        cookies += value + "; ";
    }
    if (cookies.size() >= 2)
        cookies.resize(cookies.size() - 2);
    return cookies;
}
