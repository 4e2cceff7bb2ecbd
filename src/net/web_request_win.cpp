#include "net/web_request.h"

#include "base/codepage_win.h"
#include "net/cookies.h"
#include "net/internet_handle_win.h"
#include "net/request_headers.h"
#include "net/url_parts.h"

namespace {

std::string rawResponseHeaders(HINTERNET request)
{
    // Large header blocks (many cookies) do not fit a fixed buffer: grow it
    // as the library asks.
    std::wstring buffer(2500, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &bytes, nullptr)) {
            buffer.resize(bytes / sizeof(wchar_t));
            return fromWide(buffer);
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return {};
        buffer.resize(bytes / sizeof(wchar_t) + 1);
    }
    return {};
}

int statusCode(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return 0;
    return static_cast<int>(status);
}

}  // namespace

std::string webRequest(WebRequestArgs& args)
{
    int method = args.method < 0 || args.method > 2 ? 0 : args.method;
    static const wchar_t* const verbs[] = {L"GET", L"POST", L"HEAD"};
    bool secure = isSecureUrl(args.url);

    std::wstring agent = toWide(agentFromHeaders(args.headers));
    InternetHandle session;
    if (args.proxy.empty()) {
        session.reset(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    } else {
        std::wstring proxy = toWide(secure ? args.proxy : "http=" + args.proxy);
        session.reset(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, proxy.c_str(), L"", 0));
    }
    if (!session) {
        args.transportError = GetLastError();
        return {};
    }

    InternetHandle connection(InternetConnectW(session.get(), toWide(urlHost(args.url, false)).c_str(),
                                               static_cast<INTERNET_PORT>(urlPort(args.url)), nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        args.transportError = GetLastError();
        return {};
    }

    // Certificates are always verified: no flag here ignores their errors.
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
    flags |= secure ? INTERNET_FLAG_SECURE : INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
    if (args.cookies)
        flags |= INTERNET_FLAG_NO_COOKIES;
    if (args.noRedirect)
        flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
    InternetHandle request(HttpOpenRequestW(connection.get(), verbs[method], toWide(urlPath(args.url)).c_str(),
                                            L"HTTP/1.1", nullptr, nullptr, flags, 0));
    if (!request) {
        args.transportError = GetLastError();
        return {};
    }

    args.headers = requestHeaderBlock(args.headers, args.url, args.cookies);
    std::wstring headerBlock = toWide(args.headers);
    if (method != 0 && args.postBytes.empty())
        args.postBytes = args.postText;
    void* body = method == 0 ? nullptr : args.postBytes.data();
    DWORD bodyLength = method == 0 ? 0 : static_cast<DWORD>(args.postBytes.size());

    std::string response;
    if (HttpSendRequestW(request.get(), headerBlock.c_str(), static_cast<DWORD>(headerBlock.size()), body,
                         bodyLength)) {
        char buffer[1024];
        DWORD read = 0;
        while (InternetReadFile(request.get(), buffer, sizeof buffer, &read) && read > 0)
            response.append(buffer, read);
        args.status = statusCode(request.get());
    } else {
        // A refused certificate ends here: the caller gets no body at all.
        args.transportError = GetLastError();
    }

    args.responseHeaders = normalizeSetCookie(rawResponseHeaders(request.get()));
    request.reset();
    connection.reset();
    session.reset();
    args.receivedCookies = cookiesFromHeaders(args.responseHeaders);
    return response;
}

std::string webRequest(const std::string& url)
{
    WebRequestArgs args;
    args.url = url;
    return webRequest(args);
}
