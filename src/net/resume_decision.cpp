#include "net/resume_decision.h"

#include <charconv>

namespace {

std::optional<long long> number(std::string_view text)
{
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<ContentRange> parseContentRange(std::string_view header)
{
    while (!header.empty() && header.front() == ' ')
        header.remove_prefix(1);
    while (!header.empty() && (header.back() == ' ' || header.back() == '\r' || header.back() == '\n'))
        header.remove_suffix(1);
    if (header.substr(0, 6) != "bytes ")
        return std::nullopt;
    header.remove_prefix(6);
    size_t slash = header.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    ContentRange range;
    std::string_view span = header.substr(0, slash), total = header.substr(slash + 1);
    if (total != "*") {
        auto t = number(total);
        if (!t)
            return std::nullopt;
        range.total = *t;
    }
    if (span != "*") {
        size_t dash = span.find('-');
        auto first = dash == std::string_view::npos ? std::nullopt : number(span.substr(0, dash));
        if (!first)
            return std::nullopt;
        range.first = *first;
    }
    return range;
}

ResumeAction decideResume(int status, long long resumeOffset, const std::optional<ContentRange>& range)
{
    if (status == 200)
        return ResumeAction::WriteFromStart;
    if (status == 206 && resumeOffset > 0 && range && range->first == resumeOffset)
        return ResumeAction::Append;
    if (status == 416 && resumeOffset > 0) {
        if (range && range->total == resumeOffset)
            return ResumeAction::AlreadyComplete;
        return ResumeAction::StartOver;
    }
    return ResumeAction::Fail;
}
