#pragma once
// The application as the platform reports it for this installer's agent.
// Texts are code page 936; numbers were truncated toward zero when read.
// A default-constructed record is the empty state: empty texts, zeros and
// empty lists.

#include <string>
#include <vector>

struct ModelEntry {
    int id = 0;
    std::string name;
    std::string value;
};

struct DownloadItem {
    int id = 0;
    std::string address;  // a direct download address
    std::string youdao;   // a second download address, preferred when set
    std::string lanzou;   // a share-link address
    int isNow = 0;        // 1 marks the current version
    int isUp = 0;
    std::string version;
    std::string upLog;  // the version's change notes
};

struct DownloadModel {
    int modelId = 0;
    std::string name;
    std::vector<DownloadItem> items;
};

struct AgentApp {
    std::string appName;  // executable, window, folder and shortcut name
    std::string appIcon;  // address of the icon written as logo.ico
    std::vector<ModelEntry> agentModels;
};

struct AppInfo {
    std::string name;
    std::string icon;
    AgentApp agentApp;
    std::vector<DownloadModel> downloadModels;
    std::vector<ModelEntry> fileModels;
};
