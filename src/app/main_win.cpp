// The installer's entry. It reads no command line.
#include "app/program.h"
#include "app/startup_win.h"
#include "base/file_win.h"
#include "chrome/caption_buttons_win.h"
#include "chrome/graphics_win.h"
#include "chrome/image_control_win.h"
#include "chrome/shadow_win.h"
#include "install/installation_win.h"
#include "net/web_request.h"
#include "ui/main_window_win.h"

#include <windows.h>
#include <objbase.h>

#include <optional>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    OleInitialize(nullptr);
    // The installer's own folder is the current directory.
    std::wstring self = ownExecutablePath();
    SetCurrentDirectoryW(self.substr(0, self.find_last_of(L'\\') + 1).c_str());

    Program program([](const std::string& url) { return webRequest(url); });
    registerModuleInitialiser(startGraphicsLibrary);
    registerModuleInitialiser(initImageControlModule);
    runModuleInitialisers();
    // The chrome: the borderless window's drop shadow, then its caption buttons.
    MainWindow::registerCreationHook([](HWND window) { attachShadow(window, RGB(128, 128, 128)); });
    MainWindow::registerCreationHook([](HWND window) {
        setUpCaptionButtons(GetDlgItem(window, static_cast<int>(ControlId::CloseButton)),
                            GetDlgItem(window, static_cast<int>(ControlId::MinimizeButton)));
    });

    std::optional<Installation> installation;
    MainWindow window(program, {[&] { installation->startInstall(); }, [&] { installation->selectProgramFile(); },
                                [&] { installation->manualInstall(); }, [&] { installation->manualDownload(); }});
    installation.emplace(program, window);
    if (!startUp(program, [&] { return window.create(); }))
        return 0;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window.hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
