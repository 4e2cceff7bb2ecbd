#include "request_log.h"

void RequestLog::record(const httplib::Request& r)
{
    nlohmann::json headers = nlohmann::json::array();
    for (const auto& [name, value] : r.headers) {
        if (name != "REMOTE_ADDR" && name != "REMOTE_PORT" && name != "LOCAL_ADDR" && name != "LOCAL_PORT")
            headers.push_back(name + ": " + value);
    }
    nlohmann::json entry{{"line", r.method + " " + r.target + " " + r.version},
                         {"headers", headers},
                         {"body", r.body},
                         {"peer", r.remote_addr + ":" + std::to_string(r.remote_port)}};
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

nlohmann::json RequestLog::all() const
{
    std::lock_guard lock(mutex_);
    return entries_;
}

void RequestLog::clear()
{
    std::lock_guard lock(mutex_);
    entries_.clear();
}
