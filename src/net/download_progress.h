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

// Passes progress on only when what the user sees changes, and at most once
// per interval: on a fast line nearly every block changes the last digit, and
// repainting for each would slow the download down. The first state and the
// finished one are always shown.
class ProgressDisplay {
public:
    // Milliseconds from any fixed start (the system's tick count).
    using Clock = std::function<long long()>;
    static constexpr long long kIntervalMs = 50;

    ProgressDisplay(std::function<void(const DownloadProgress&)> show, Clock clock)
        : show_(std::move(show)), clock_(std::move(clock))
    {
    }
    void update(long long bytesDone, long long total);

private:
    std::function<void(const DownloadProgress&)> show_;
    Clock clock_;
    DownloadProgress shown_{"", -1, false};
    long long shownAt_ = 0;
};
