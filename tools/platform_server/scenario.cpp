#include "scenario.h"

#include <fstream>
#include <random>
#include <sstream>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::string bytes(static_cast<size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// The value of `name` in a raw query string, up to the next "&".
std::optional<std::string> queryValue(const std::string& query, const std::string& name)
{
    for (size_t at = 0; at <= query.size();) {
        size_t end = query.find('&', at);
        std::string pair = query.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (pair.rfind(name + "=", 0) == 0)
            return pair.substr(name.size() + 1);
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return std::nullopt;
}

std::string refusal(const std::string& why)
{
    return nlohmann::json{{"code", 0}, {"content", why}}.dump();
}

}  // namespace

Scenario::Scenario(const std::string& path, const std::string& base) : path_(path), base_(base)
{
    size_t slash = path.find_last_of('/');
    folder_ = slash == std::string::npos ? "." : path.substr(0, slash);
    restore();
}

void Scenario::restore()
{
    nlohmann::json scenario = nlohmann::json::parse(replaceAll(readFile(path_), "{{base}}", base_));
    std::map<std::string, FileEntry> files;
    const nlohmann::json described = scenario.value("files", nlohmann::json::object());
    for (const auto& [name, description] : described.items())
        files[name] = entryFrom(description);
    std::lock_guard lock(mutex_);
    scenario_ = std::move(scenario);
    files_ = std::move(files);
}

FileEntry Scenario::entryFrom(const nlohmann::json& d) const
{
    FileEntry e;
    std::string content;
    if (d.contains("path")) {
        std::string p = d["path"];
        content = readFile(p.rfind('/', 0) == 0 ? p : folder_ + "/" + p);
    } else if (d.contains("size")) {
        // Repeatable pseudo-random bytes of a given size.
        std::mt19937 random(d.value("seed", 1u));
        content.resize(d["size"].get<size_t>());
        for (char& c : content)
            c = static_cast<char>(random());
    } else {
        content = d.value("text", "");
    }
    e.etag = d.value("etag", "\"" + std::to_string(std::hash<std::string>{}(content)) + "\"");
    e.content = std::make_shared<const std::string>(std::move(content));
    e.status = d.value("status", 200);
    e.lastModified = d.value("last_modified", "");
    e.dropAfter = d.value("drop_after", -1LL);
    e.ignoreRange = d.value("ignore_range", false);
    e.chunked = d.value("chunked", false);
    e.bytesPerSecond = d.value("bytes_per_second", 0LL);
    e.redirect = d.value("redirect", "");
    e.padHeaders = d.value("pad_headers", 0);
    const nlohmann::json headers = d.value("headers", nlohmann::json::array());
    for (const auto& h : headers)
        e.headers.emplace_back(h[0].get<std::string>(), h[1].get<std::string>());
    return e;
}

std::string Scenario::applicationAnswer(const std::string& query) const
{
    std::lock_guard lock(mutex_);
    if (scenario_.contains("getapp_1"))
        return scenario_["getapp_1"].get<std::string>();  // a raw answer, for broken-server cases
    // Checked the way the platform checks them: the application, its key and
    // a known agent.
    auto appId = queryValue(query, "app_id");
    auto key = queryValue(query, "secret_key");
    auto agent = queryValue(query, "agent_id");
    if (!appId || *appId != std::to_string(scenario_.value("app_id", 1)))
        return refusal("unknown application");
    if (!key || *key != scenario_.value("secret_key", ""))
        return refusal("wrong secret key");
    if (!agent || agent->empty())
        return refusal("missing agent");
    if (scenario_.contains("agents")) {
        bool known = false;
        for (const auto& a : scenario_.at("agents"))
            known = known || std::to_string(a.get<long long>()) == *agent;
        if (!known)
            return refusal("unknown agent");
    }
    return nlohmann::json{{"code", 1}, {"content", "ok"}, {"data", scenario_.value("application", nlohmann::json::object())}}
        .dump();
}

std::string Scenario::shareLinkAnswer(const std::string& link) const
{
    std::lock_guard lock(mutex_);
    auto links = scenario_.value("share_links", nlohmann::json::object());
    if (!links.contains(link))
        return refusal("unknown link");
    return nlohmann::json{{"code", 1}, {"data", {{"content", links[link]}}}}.dump();
}

void Scenario::update(const nlohmann::json& members)
{
    std::lock_guard lock(mutex_);
    for (const auto& [name, value] : members.items()) {
        if (value.is_null())
            scenario_.erase(name);
        else
            scenario_[name] = value;
    }
}

std::optional<FileEntry> Scenario::file(const std::string& path) const
{
    std::lock_guard lock(mutex_);
    auto it = files_.find(path);
    if (it == files_.end())
        return std::nullopt;
    return it->second;
}

void Scenario::setFile(const std::string& path, const nlohmann::json& description)
{
    FileEntry entry = entryFrom(description);
    std::lock_guard lock(mutex_);
    files_[path] = std::move(entry);
}
