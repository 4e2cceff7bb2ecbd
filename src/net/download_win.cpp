#include "net/download_win.h"

#include "base/codepage_win.h"
#include "base/event_pump_win.h"
#include "base/file_win.h"
#include "base/handle_win.h"
#include "base/text.h"
#include "net/resume_decision.h"
#include "net/text_between.h"

#include <algorithm>

namespace {

constexpr char kUserAgentHeader[] =
    "User-Agent:Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; QX7TB; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";
constexpr DWORD kBlockSize = 20480;

// The length of a kept temporary file; 0 when there is none.
long long keptLength(const std::string& path) { return std::max(0LL, fileSizeOf(path)); }

std::string queryHeader(HINTERNET request, DWORD level)
{
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (!HttpQueryInfoW(request, level, buffer, &size, nullptr))
        return {};
    return fromWide(std::wstring_view(buffer, size / sizeof(wchar_t)));
}

// The validator of a transfer: what identifies this version of the file,
// and the size of the whole file.
struct Validator {
    std::string tag;  // ETag, else Last-Modified
    long long total = 0;

    static Validator read(const std::string& path)
    {
        std::vector<std::string> lines = splitText(readWholeFile(path), "\n");
        if (lines.size() != 2)
            return {};
        return {lines[0], leadingNumber(lines[1])};
    }
    void write(const std::string& path) const { writeWholeFile(path, tag + "\n" + std::to_string(total)); }
};

std::string validatorPath(const std::string& tempPath) { return tempPath + ".validator"; }

InternetHandle openInternet()
{
    std::wstring agent = toWide("Agent" + std::to_string(GetTickCount()));
    return InternetHandle(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
}

InternetHandle openUrl(HINTERNET internet, const std::string& url, const std::string& headers)
{
    // No second copy of the file in WinInet's cache, and never a cached answer.
    std::wstring wideHeaders = toWide(headers);
    return InternetHandle(InternetOpenUrlW(internet, toWide(url).c_str(), wideHeaders.c_str(),
                                           static_cast<DWORD>(wideHeaders.size()),
                                           INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD, 0));
}

}  // namespace

std::string Download::serverFileName(const std::string& url)
{
    InternetHandle internet = openInternet();
    if (!internet)
        return {};
    InternetHandle handle = openUrl(internet.get(), url, kUserAgentHeader);
    if (!handle)
        return {};
    return textBetween(queryHeader(handle.get(), HTTP_QUERY_RAW_HEADERS_CRLF), "#引号", "#引号");
}

bool Download::open(const std::string& url, const std::string& targetPath, std::string* tempPath)
{
    close();
    size_t slash = targetPath.rfind('\\');
    if (targetPath.empty()) {
        std::string self = fromWide(ownExecutablePath());
        folder_ = self.substr(0, self.rfind('\\') + 1);
    } else {
        folder_ = slash == std::string::npos ? std::string() : targetPath.substr(0, slash + 1);
    }
    fileName_ = slash == std::string::npos ? targetPath : targetPath.substr(slash + 1);
    if (fileName_.empty())
        fileName_ = serverFileName(url);
    if (fileName_.empty())
        fileName_ = url.substr(url.rfind('/') + 1);
    finalPath_ = folder_ + fileName_;
    tempPath_ = finalPath_ + ".tmp";
    if (tempPath)
        *tempPath = tempPath_;

    // A 416 for a kept file of the wrong size discards it and asks once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        Opened opened = request(url);
        if (opened != Opened::Again)
            return opened == Opened::Ready;
    }
    return false;
}

Download::Opened Download::request(const std::string& url)
{
    close();
    std::wstring temp = toWide(tempPath_);
    long long offset = keptLength(tempPath_);
    Validator kept = offset > 0 ? Validator::read(validatorPath(tempPath_)) : Validator{};

    std::string headers = kUserAgentHeader;
    if (offset > 0) {
        headers += "\r\nRange:bytes=" + std::to_string(offset) + "-";
        // Only the same version may be continued: a changed file comes whole.
        if (!kept.tag.empty())
            headers += "\r\nIf-Range: " + kept.tag;
    }
    internet_ = openInternet();
    if (!internet_)
        return Opened::Failed;
    url_ = openUrl(internet_.get(), url, headers);
    if (!url_) {
        close();
        return Opened::Failed;
    }

    int status = textToInt(queryHeader(url_.get(), HTTP_QUERY_STATUS_CODE));
    std::string lengthText = queryHeader(url_.get(), HTTP_QUERY_CONTENT_LENGTH);
    long long length = lengthText.empty() ? -1 : leadingNumber(trimText(lengthText));
    std::optional<ContentRange> range = parseContentRange(queryHeader(url_.get(), HTTP_QUERY_CONTENT_RANGE));

    switch (decideResume(status, offset, range)) {
    case ResumeAction::Append:
        if (kept.total > 0 && range->total != kept.total) {
            // Same validator, other size: not the file that was started.
            close();
            DeleteFileW(temp.c_str());
            return Opened::Again;
        }
        resumeOffset_ = offset;
        expectedBody_ = length;
        total_ = range->total > 0 ? range->total : (length >= 0 ? offset + length : 0);
        truncate_ = false;
        break;
    case ResumeAction::WriteFromStart: {
        resumeOffset_ = 0;
        expectedBody_ = length;
        total_ = length > 0 ? length : 0;
        truncate_ = true;
        std::string tag = queryHeader(url_.get(), HTTP_QUERY_ETAG);
        if (tag.empty())
            tag = queryHeader(url_.get(), HTTP_QUERY_LAST_MODIFIED);
        Validator{tag, total_}.write(validatorPath(tempPath_));
        break;
    }
    case ResumeAction::AlreadyComplete:
        close();
        resumeOffset_ = bytesDone_ = total_ = offset;
        alreadyComplete_ = true;
        break;
    case ResumeAction::StartOver:
        close();
        DeleteFileW(temp.c_str());
        DeleteFileW(toWide(validatorPath(tempPath_)).c_str());
        return Opened::Again;
    case ResumeAction::Fail:
        close();
        return Opened::Failed;
    }
    bytesDone_ = resumeOffset_;
    return Opened::Ready;
}

void Download::close()
{
    url_.reset();
    internet_.reset();
    alreadyComplete_ = false;
}

bool Download::receive(const std::function<void()>& progress)
{
    std::wstring temp = toWide(tempPath_);
    if (!alreadyComplete_) {
        KernelHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      truncate_ ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER) {
            close();
            return false;
        }
        std::string block(kBlockSize, '\0');
        long long received = 0;
        for (;;) {
            DWORD read = 0;
            if (!InternetReadFile(url_.get(), block.data(), kBlockSize, &read)) {
                close();
                return false;  // a broken connection is not the end of the body
            }
            if (read == 0)
                break;
            DWORD written = 0;
            if (!WriteFile(file.get(), block.data(), read, &written, nullptr) || written != read) {
                close();
                return false;
            }
            received += read;
            bytesDone_ = resumeOffset_ + received;
            if (progress)
                progress();
        }
        close();
        if (expectedBody_ >= 0 && received != expectedBody_)
            return false;  // cut short: keep what arrived for the next attempt
    }
    alreadyComplete_ = false;
    if (total_ > 0 && keptLength(tempPath_) != total_)
        return false;
    DeleteFileW(toWide(validatorPath(tempPath_)).c_str());
    return MoveFileExW(temp.c_str(), toWide(finalPath_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
}

bool downloadWithRetries(Download& download, const std::string& url, const std::string& targetPath,
                         const std::function<void()>& progress, std::span<const int> retryDelaysMs,
                         const WaitFunction& wait)
{
    for (size_t attempt = 0;; ++attempt) {
        if (download.open(url, targetPath) && download.receive(progress))
            return true;
        if (attempt >= retryDelaysMs.size())
            return false;
        wait(retryDelaysMs[attempt]);
    }
}
