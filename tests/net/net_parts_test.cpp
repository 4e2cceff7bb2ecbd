#include "net/cookies.h"
#include "net/request_headers.h"
#include "net/text_between.h"
#include "net/url_parts.h"

#include <gtest/gtest.h>

TEST(UrlParts, Cases)
{
    struct Case {
        std::string url, host, hostWithPort;
        int port;
        std::string path;
    } cases[] = {
        {"http://example.com", "example.com", "example.com", 80, "/"},
        {"HTTPS://Host/a?b=1", "host", "host", 443, "/a?b=1"},
        {"http://127.0.0.1:8080/x/Y.exe", "127.0.0.1", "127.0.0.1:8080", 8080, "/x/Y.exe"},
        {"https://h:8443/", "h", "h:8443", 8443, "/"},
        {"example.com/p", "example.com", "example.com", 80, "/p"},
        {"http://h/app_api/getLzyUrl?url=https://s/a?b&c", "h", "h", 80, "/app_api/getLzyUrl?url=https://s/a?b&c"},
        {"http://h:/x", "h", "h:", 0, "/x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(urlHost(c.url, false), c.host) << c.url;
        EXPECT_EQ(urlHost(c.url, true), c.hostWithPort) << c.url;
        EXPECT_EQ(urlPort(c.url), c.port) << c.url;
        EXPECT_EQ(urlPath(c.url), c.path) << c.url;
    }
    EXPECT_TRUE(isSecureUrl("HTTPS://x"));
    EXPECT_FALSE(isSecureUrl("http://x"));
}

TEST(TextBetween, Cases)
{
    EXPECT_EQ(textBetween("a=[x];b=[y]", "[", "]"), "x");
    EXPECT_EQ(textBetween("abc", "x", "c"), "");
    EXPECT_EQ(textBetween("abc", "a", "x"), "");
    EXPECT_EQ(textBetween("a]b[c]", "[", "]"), "c");  // the closing marker after the opening one
    EXPECT_EQ(textBetween("filename=\"app.exe\"", "#引号", "#引号"), "app.exe");
}

TEST(AgentFromHeaders, Cases)
{
    EXPECT_EQ(agentFromHeaders(""), kDefaultAgent);
    EXPECT_EQ(agentFromHeaders("Accept: x"), kDefaultAgent);
    EXPECT_EQ(agentFromHeaders("User-Agent: X"), "X");
    EXPECT_EQ(agentFromHeaders("Accept: a\r\nUser-Agent:  My Agent \r\nX: y"), "My Agent");
    EXPECT_EQ(agentFromHeaders("user-agent: Y"), "Y");
    EXPECT_EQ(agentFromHeaders("Accept: a\r\nuser-agent: Y\r\nX: z"), "Y");  // never other lines
}

TEST(RequestHeaderBlock, Cases)
{
    const std::string url = "http://h/p?q=1";
    const std::string defaults = "\r\nReferer: " + url +
                                 "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
    EXPECT_EQ(requestHeaderBlock("", url, std::nullopt), "Accept: */*" + defaults);
    EXPECT_EQ(requestHeaderBlock("User-Agent: X", url, std::nullopt), "User-Agent: X\r\nAccept: */*" + defaults);
    EXPECT_EQ(requestHeaderBlock("", url, std::string("a=1")), "Accept: */*" + defaults + "\r\nCookie: a=1");
    EXPECT_EQ(requestHeaderBlock("", url, std::string("Cookie: a=1")), "Accept: */*" + defaults + "\r\nCookie: a=1");
    EXPECT_EQ(requestHeaderBlock("", url, std::string("")), "Accept: */*" + defaults);
    EXPECT_EQ(requestHeaderBlock("Accept: text/html\r\nReferer: r\r\nAccept-Language: en\r\nContent-Type: c", url,
                                 std::nullopt),
              "Accept: text/html\r\nReferer: r\r\nAccept-Language: en\r\nContent-Type: c");
}

TEST(ReceivedCookies, Cases)
{
    std::string headers = normalizeSetCookie(
        "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nset-cookie: b=2\r\nSET-COOKIE: c=3; HttpOnly\r\n\r\n");
    EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\nSet-Cookie: c=3; HttpOnly\r\n\r\n");
    EXPECT_EQ(cookiesFromHeaders(headers), "a=1; b=2; c=3");
    EXPECT_EQ(cookiesFromHeaders("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"), "");
    EXPECT_EQ(cookiesFromHeaders(normalizeSetCookie("set-cookie: s=1")), "s=1");
    EXPECT_EQ(cookiesFromHeaders(""), "");
}
