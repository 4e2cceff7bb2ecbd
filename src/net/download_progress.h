#pragma once
// What the installing page shows while the application downloads.

#include <functional>
#include <string>

inline constexpr char kDownloadingText[] = "正在下载请稍后...";

struct DownloadProgress {
    std::string text;   // the status label
    int position = 0;   // the progress bar, 0 to 100
    bool marquee = false;  // no total known: the bar only shows activity
};

// With a known total: the prefix, the percentage rounded to two decimals
// (halves away from zero) written without trailing zeros, and "%". Without
// one: the prefix and the megabytes received, never "nan%" or "inf%".
DownloadProgress downloadProgress(long long bytesDone, long long total);

// Passes progress on only when what the user sees changes, so a fast
// download is not slowed down by repainting the same text.
class ProgressDisplay {
public:
    explicit ProgressDisplay(std::function<void(const DownloadProgress&)> show) : show_(std::move(show)) {}
    void update(long long bytesDone, long long total);

private:
    std::function<void(const DownloadProgress&)> show_;
    DownloadProgress shown_{"", -1, false};
};
