#pragma once
// How a download goes on from what the server answered. A response is only
// written to the temporary file when it is the transfer that was asked for:
// an error page, a range the server ignored or a file that changed must never
// end up installed as the program.

#include <optional>
#include <string_view>

enum class ResumeAction {
    Append,          // 206 from the offset asked for: add to the temporary file
    WriteFromStart,  // 200: the whole file, from byte 0 (truncate what is kept)
    AlreadyComplete, // 416 and the kept file already has the whole size
    StartOver,       // 416 for a kept file of another size: discard it, ask again
    Fail,            // anything else: keep the temporary file as it is
};

struct ContentRange {
    long long first = -1;  // -1 for "*"
    long long total = -1;  // -1 for "*"
};

// "bytes 1000-99999/100000" or "bytes */100000".
std::optional<ContentRange> parseContentRange(std::string_view header);

ResumeAction decideResume(int status, long long resumeOffset, const std::optional<ContentRange>& range);
