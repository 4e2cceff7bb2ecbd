#include "install/download_choice.h"

bool selectCurrentDownload(const AppInfo& app, DownloadChoice& choice)
{
    if (!app.downloadModels.empty()) {
        for (const DownloadItem& item : app.downloadModels.front().items) {
            if (item.isNow == 1)
                choice = {item.version, item.address, item.youdao, item.lanzou, item.upLog};
        }
    }
    return !choice.version.empty();
}
