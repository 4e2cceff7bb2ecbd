#include "net/download_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

DownloadProgress downloadProgress(long long bytesDone, long long total)
{
    char number[32];
    if (total <= 0) {
        std::snprintf(number, sizeof number, "%.1fMB", static_cast<double>(bytesDone) / (1024.0 * 1024.0));
        return {std::string(kDownloadingText) + number, 0, true};
    }
    double exact = static_cast<double>(bytesDone) / static_cast<double>(total) * 100.0;
    // Rounded in double precision, then held as a single-precision number.
    float percent = static_cast<float>(std::round(exact * 100.0) / 100.0);
    // "%g" writes at most six significant digits without trailing zeros.
    std::snprintf(number, sizeof number, "%g", static_cast<double>(percent));
    int position = std::clamp(static_cast<int>(percent), 0, 100);
    return {std::string(kDownloadingText) + number + "%", position, false};
}

void ProgressDisplay::update(long long bytesDone, long long total)
{
    DownloadProgress now = downloadProgress(bytesDone, total);
    if (now.text == shown_.text && now.position == shown_.position && now.marquee == shown_.marquee)
        return;
    long long at = clock_();
    bool first = shown_.position < 0;
    bool finished = total > 0 && bytesDone >= total;
    if (!first && !finished && at - shownAt_ < kIntervalMs)
        return;
    shown_ = now;
    shownAt_ = at;
    show_(now);
}
