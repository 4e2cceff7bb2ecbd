#pragma once
// What the test platform server answers, read from a scenario file.

#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

// A path the server serves, with the faults it injects.
struct FileEntry {
    std::shared_ptr<const std::string> content;  // shared: files may be large
    int status = 200;           // anything else is answered with an empty body
    std::string etag;           // derived from the content unless the scenario names one
    std::string lastModified;   // sent when set
    long long dropAfter = -1;   // close the connection after this many body bytes
    bool ignoreRange = false;   // answer 200 with the whole body to a range request
    bool chunked = false;       // no Content-Length
    long long bytesPerSecond = 0;  // send slowly
    std::string redirect;       // answer 302 with this Location
    std::vector<std::pair<std::string, std::string>> headers;  // extra response headers
    int padHeaders = 0;         // add filler headers of about this many bytes
};

class Scenario {
public:
    // Reads the scenario; "{{base}}" anywhere in it becomes `base`. Relative
    // file paths are taken from the scenario's folder.
    Scenario(const std::string& path, const std::string& base);

    // The answer to getapp_1 for the raw query string.
    std::string applicationAnswer(const std::string& query) const;
    // The answer to getLzyUrl for the raw link after "url=".
    std::string shareLinkAnswer(const std::string& link) const;

    // Replaces top-level members of the scenario ("application", "getapp_1",
    // ...); a null value removes the member.
    void update(const nlohmann::json& members);
    // Reads the scenario file again, forgetting every change.
    void restore();

    std::optional<FileEntry> file(const std::string& path) const;
    // Adds or replaces a file from its JSON description.
    void setFile(const std::string& path, const nlohmann::json& description);

private:
    FileEntry entryFrom(const nlohmann::json& description) const;

    nlohmann::json scenario_;
    std::string path_, base_;
    std::string folder_;
    std::map<std::string, FileEntry> files_;
    mutable std::mutex mutex_;
};
