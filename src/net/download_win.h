#pragma once
// Resumable download of one file into a temporary file beside its final
// place ("<target>.tmp"). The temporary file survives failures and runs of
// the installer; a validator kept beside it ("<target>.tmp.validator") makes
// sure a resumed file never mixes two versions. The file moves into place only
// when the whole body arrived.

#include "base/event_pump_win.h"
#include "net/internet_handle_win.h"

#include <functional>
#include <span>
#include <string>

class Download {
public:
    // Opens the transfer and checks the server's answer. False when the URL
    // cannot be opened or the answer is not the transfer asked for; the
    // temporary file is then left as it was.
    bool open(const std::string& url, const std::string& targetPath, std::string* tempPath = nullptr);

    // Receives the body in 20,480-byte blocks, calling `progress` after each,
    // then moves the file into place. False on a read or write error or a body
    // shorter than announced; the temporary file stays for the next attempt.
    bool receive(const std::function<void()>& progress);

    long long bytesDone() const { return bytesDone_; }
    // The expected size of the whole file; 0 when the server did not say.
    long long totalSize() const { return total_; }

    // The file name a server offers in its Content-Disposition header.
    static std::string serverFileName(const std::string& url);

private:
    enum class Opened { Ready, Failed, Again };
    Opened request(const std::string& url);
    void close();

    std::string folder_, fileName_, tempPath_, finalPath_;
    long long resumeOffset_ = 0;
    long long bytesDone_ = 0;
    long long expectedBody_ = -1;  // -1: no Content-Length
    long long total_ = 0;
    bool truncate_ = false;
    bool alreadyComplete_ = false;
    InternetHandle internet_;
    InternetHandle url_;
};

using WaitFunction = std::function<void(int milliseconds)>;

inline constexpr int kRetryDelaysMs[] = {1000, 2000, 4000};

// Opens and receives, resuming automatically after each failed attempt as
// long as delays are left.
bool downloadWithRetries(Download& download, const std::string& url, const std::string& targetPath,
                         const std::function<void()>& progress, std::span<const int> retryDelaysMs = kRetryDelaysMs,
                         const WaitFunction& wait = waitPumpingEvents);
