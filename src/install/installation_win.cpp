#include "install/installation_win.h"

#include "app/settings.h"
#include "base/codepage_win.h"
#include "base/event_pump_win.h"
#include "base/file_win.h"
#include "base/md5_win.h"
#include "install/agent_key.h"
#include "install/download_choice.h"
#include "install/install_paths.h"
#include "install/shortcut_win.h"
#include "net/download_progress.h"

#include <commdlg.h>
#include <shellapi.h>

namespace {

constexpr unsigned kTopmostInformation = MB_ICONINFORMATION | MB_TOPMOST;  // 0x40040

void createDesktopShortcut(const Program& program)
{
    createShortcut(program.app.agentApp.appName, program.targetExePath, "", program.installDir + "logo.ico");
}

}  // namespace

int Installation::message(const std::string& text, const std::string& title, unsigned style)
{
    return MessageBoxW(window_.hwnd(), toWide(text).c_str(), toWide(title).c_str(), style);
}

void Installation::startInstall()
{
    std::string folder = window_.text(ControlId::InstallFolderEdit);
    if (folder.empty() || folder.back() != '\\') {
        folder = withFinalBackslash(folder);
        window_.setText(ControlId::InstallFolderEdit, folder);
    }
    program_.installDir = folder;
    ensureFolderExists(program_.installDir);
    if (!isExistingFolder(folder)) {
        message(badFolderMessage(program_.installDir), "提示", kTopmostInformation);
        return;
    }
    program_.targetExePath = program_.installDir + program_.app.agentApp.appName + ".exe";
    window_.showPage(Page::Installing);
    runInstall();
}

void Installation::runInstall()
{
    window_.setText(ControlId::StatusLabel, kDownloadingText);
    DownloadChoice choice;
    if (!selectCurrentDownload(program_.app, choice))
        return;  // nothing to install: the page stays as it is
    std::string resolved;
    program_.platform.resolveShareLink(shareLink, resolved);  // asked, not used
    const std::string& url = choice.youdao.empty() ? choice.address : choice.youdao;

    Download download;
    ProgressDisplay display([&](const DownloadProgress& p) {
        window_.setText(ControlId::StatusLabel, p.text);
        window_.setProgress(p.position, p.marquee);
    }, [] { return static_cast<long long>(GetTickCount64()); });
    EventPump pump;
    bool done = downloadWithRetries(download, url, program_.targetExePath, [&] {
        display.update(download.bytesDone(), download.totalSize());
        pump();
    }, retryDelaysMs_);
    if (!done) {
        message("安装失败，请检测您的IE浏览器是否可以正常访问网页！", "错误提示", MB_ICONINFORMATION);
        // The user can still finish by hand.
        window_.showPage(Page::Failed);
        return;
    }
    createDesktopShortcut(program_);
    writeKeyAndIcon();
    window_.showPage(Page::Done);
}

void Installation::writeKeyAndIcon()
{
    writeWholeFile(program_.installDir + "OEM.key", agentKeyText(program_.agentId, keyText, md5Digest, pumpPendingEvents));
    writeWholeFile(program_.installDir + "logo.ico", program_.appIconBytes);
}

void Installation::selectProgramFile()
{
    wchar_t path[MAX_PATH * 4] = L"";
    std::wstring title = toWide("请选择所需程序文件");
    // "程序文件（*.exe）|*.exe": one entry, description then pattern.
    std::wstring filter = toWide("程序文件（*.exe）") + L'\0' + L"*.exe" + L'\0' + L'\0';
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_.hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH * 4;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    if (GetOpenFileNameW(&dialog))
        window_.setText(ControlId::ProgramFileEdit, fromWide(path));
}

void Installation::manualInstall()
{
    std::string source = window_.text(ControlId::ProgramFileEdit);
    if (source.empty()) {
        message("请将下载的程序文件的路径输入到指定编辑框内。", "错误", MB_ICONINFORMATION);
        return;
    }
    if (fileSizeOf(source) <= 0) {
        message("请检查输入的程序文件路径是否正确。", "错误", MB_ICONINFORMATION);
        return;
    }
    // Copied by the system in blocks, never held in memory whole.
    CopyFileW(toWide(source).c_str(), toWide(program_.targetExePath).c_str(), FALSE);
    writeKeyAndIcon();
    createDesktopShortcut(program_);
    window_.showPage(Page::Done);
}

void Installation::manualDownload()
{
    // The address of the current version, the one the download used.
    DownloadChoice choice;
    if (!selectCurrentDownload(program_.app, choice))
        return;
    const std::string& url = choice.youdao.empty() ? choice.address : choice.youdao;
    ShellExecuteW(window_.hwnd(), L"open", toWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
