#include "file_response.h"

#include <chrono>
#include <functional>
#include <thread>

namespace {

struct Range {
    long long first = 0;
    long long last = -1;  // -1: to the end
};

// "bytes=N-" or "bytes=N-M"; anything else is no range.
std::optional<Range> parseRange(const std::string& header)
{
    if (header.rfind("bytes=", 0) != 0)
        return std::nullopt;
    std::string byteRange = header.substr(6);
    size_t dash = byteRange.find('-');
    if (dash == std::string::npos || dash == 0 || byteRange.find(',') != std::string::npos)
        return std::nullopt;
    try {
        Range r;
        r.first = std::stoll(byteRange.substr(0, dash));
        if (dash + 1 < byteRange.size())
            r.last = std::stoll(byteRange.substr(dash + 1));
        return r;
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace

void serveFile(const httplib::Request& request, httplib::Response& response, const FileEntry& file)
{
    // Ranges are answered here, faults included, so httplib must not apply
    // them a second time.
    const_cast<httplib::Request&>(request).ranges.clear();

    for (const auto& [name, value] : file.headers)
        response.set_header(name, value);
    for (int i = 0; i * 100 < file.padHeaders; ++i)
        response.set_header("X-Pad-" + std::to_string(i), std::string(90, 'p'));
    if (!file.redirect.empty()) {
        response.set_redirect(file.redirect);
        return;
    }
    const long long total = static_cast<long long>(file.content->size());
    if (file.status != 200) {
        response.status = file.status;
        if (file.status == 416)
            response.set_header("Content-Range", "bytes */" + std::to_string(total));
        return;
    }

    const std::string& etag = file.etag;
    response.set_header("ETag", etag);
    if (!file.lastModified.empty())
        response.set_header("Last-Modified", file.lastModified);
    response.set_header("Accept-Ranges", "bytes");

    long long first = 0, last = total - 1;
    response.status = 200;
    std::optional<Range> range = parseRange(request.get_header_value("Range"));
    std::string ifRange = request.get_header_value("If-Range");
    bool validatorMatches = ifRange.empty() || ifRange == etag || ifRange == file.lastModified;
    if (range && !file.ignoreRange && validatorMatches) {
        if (range->first >= total) {
            response.status = 416;
            response.set_header("Content-Range", "bytes */" + std::to_string(total));
            return;
        }
        first = range->first;
        last = range->last < 0 || range->last >= total ? total - 1 : range->last;
        response.status = 206;
        response.set_header("Content-Range", "bytes " + std::to_string(first) + "-" + std::to_string(last) + "/" +
                                                 std::to_string(total));
    }
    if (request.method == "HEAD") {
        response.set_header("Content-Length", std::to_string(last - first + 1));
        return;
    }

    // The body is the window [first, last] of the shared content.
    struct Window {
        std::shared_ptr<const std::string> content;
        size_t first, length;
        size_t size() const { return length; }
        const char* data() const { return content->data() + first; }
    };
    auto body = std::make_shared<Window>(Window{file.content, static_cast<size_t>(first),
                                                static_cast<size_t>(last - first + 1)});
    const long long dropAfter = file.dropAfter;
    const long long rate = file.bytesPerSecond;
    auto slice = [body, rate](size_t offset) {
        return std::min<size_t>(body->size() - offset, rate > 0 ? std::max<long long>(rate / 20, 1) : 65536);
    };
    // Writes one slice from `offset`, slowly or cut short as asked.
    auto writeFrom = [body, dropAfter, rate, slice](size_t offset, httplib::DataSink& sink) {
        if (offset >= body->size())
            return false;
        size_t length = slice(offset);
        if (dropAfter >= 0 && static_cast<long long>(offset + length) > dropAfter) {
            if (static_cast<long long>(offset) < dropAfter)
                sink.write(body->data() + offset, static_cast<size_t>(dropAfter - static_cast<long long>(offset)));
            return false;  // httplib closes the connection
        }
        if (rate > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        sink.write(body->data() + offset, length);
        return true;
    };
    if (file.chunked) {
        auto sent = std::make_shared<size_t>(0);
        response.set_chunked_content_provider("application/octet-stream",
                                              [writeFrom, slice, body, sent](size_t, httplib::DataSink& sink) {
                                                  if (*sent >= body->size()) {
                                                      sink.done();
                                                      return true;
                                                  }
                                                  size_t length = slice(*sent);
                                                  bool ok = writeFrom(*sent, sink);
                                                  *sent += length;
                                                  return ok;
                                              });
    } else {
        response.set_content_provider(body->size(), "application/octet-stream",
                                      [writeFrom](size_t offset, size_t, httplib::DataSink& sink) {
                                          return writeFrom(offset, sink);
                                      });
    }
}
