#pragma once
// One blocking HTTP or HTTPS request. Every argument but the URL is optional;
// members marked in/out or out are written only once the request gets that
// far, and otherwise keep what the caller put there.

#include <optional>
#include <string>

enum class HttpMethod { Get = 0, Post = 1, Head = 2 };

struct WebRequestArgs {
    std::string url;  // http:// or https://; no scheme means http
    int method = 0;   // 0 GET, 1 POST, 2 HEAD; any other value is GET
    std::string postText;  // body of POST and HEAD when postBytes is empty
    // Cookies to send. Supplying them at all, even empty, switches off the
    // library's own cookie handling for the request.
    std::optional<std::string> cookies;
    bool noRedirect = false;
    std::string proxy;  // host:port; empty for a direct connection

    std::string headers;    // in/out: extra lines in; the whole block sent out
    std::string postBytes;  // in/out: set from postText when empty (POST, HEAD)

    std::string receivedCookies;  // out: name=value pairs set by the response
    std::string responseHeaders;  // out: the raw response header block
    int status = 0;                    // out: HTTP status, 0 when none arrived
    unsigned long transportError = 0;  // out: the library's error, 0 when none
};

// The response body; empty when the request could not be made.
std::string webRequest(WebRequestArgs& args);

// The plain GET with the default header block that the platform client makes.
std::string webRequest(const std::string& url);
