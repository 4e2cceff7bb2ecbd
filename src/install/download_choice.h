#pragma once

#include "platform/app_info.h"

#include <string>

// The texts of the version to download. Members the selection does not reach
// keep what the caller put there.
struct DownloadChoice {
    std::string version;
    std::string address;
    std::string youdao;
    std::string lanzou;
    std::string upLog;
};

// Picks the current version (isNow exactly 1; the last one wins) from the
// first download model only. True when a non-empty version was chosen.
bool selectCurrentDownload(const AppInfo& app, DownloadChoice& choice);
