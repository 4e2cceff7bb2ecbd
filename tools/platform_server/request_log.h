#pragma once
// Every request the server saw, for tests to read back.

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <mutex>
#include <vector>

class RequestLog {
public:
    void record(const httplib::Request& request);
    // [{"line", "headers": ["Name: value", ...], "body", "peer"}, ...]
    nlohmann::json all() const;
    void clear();

private:
    std::vector<nlohmann::json> entries_;
    mutable std::mutex mutex_;
};
