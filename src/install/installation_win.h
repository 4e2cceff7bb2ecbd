#pragma once
// What the install buttons do: the automatic install (folder, download, key
// file, icon, shortcut) and the manual install of a file the user fetched.

#include "app/program.h"
#include "net/download_win.h"
#include "ui/main_window_win.h"

#include <span>

class Installation {
public:
    Installation(Program& program, MainWindow& window, std::span<const int> retryDelaysMs = kRetryDelaysMs)
        : program_(program), window_(window), retryDelaysMs_(retryDelaysMs)
    {
    }

    void startInstall();       // the install button
    void selectProgramFile();  // the select button of the failed page
    void manualInstall();      // the manual install button
    void manualDownload();     // the link of the failed page

private:
    void runInstall();
    void writeKeyAndIcon();
    int message(const std::string& text, const std::string& title, unsigned style);

    Program& program_;
    MainWindow& window_;
    std::span<const int> retryDelaysMs_;
};
