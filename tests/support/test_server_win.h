#pragma once
// The test platform server as a Windows test sees it: its addresses from the
// environment that ctest sets, and its recorded requests.

#include "net/web_request.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <string>

inline std::string envOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

inline std::string serverBase() { return envOr("TEST_SERVER", "http://127.0.0.1:18080"); }

struct RecordedRequest {
    std::string line;
    std::vector<std::string> headers;
    std::string body;

    bool hasHeader(const std::string& header) const
    {
        for (const auto& h : headers)
            if (h == header)
                return true;
        return false;
    }
    bool hasHeaderNamed(const std::string& name) const
    {
        for (const auto& h : headers)
            if (h.rfind(name + ":", 0) == 0)
                return true;
        return false;
    }
};

inline void resetRequests(const std::string& base = serverBase())
{
    WebRequestArgs args;
    args.url = base + "/_control/reset";
    args.method = 1;
    webRequest(args);
}

inline std::vector<RecordedRequest> recordedRequests(const std::string& base = serverBase())
{
    std::vector<RecordedRequest> requests;
    for (const auto& r : nlohmann::json::parse(webRequest(base + "/_control/requests"))) {
        requests.push_back({r["line"], r["headers"].get<std::vector<std::string>>(), r["body"]});
    }
    return requests;
}
