#pragma once
// The installer's only window: a borderless window with a banner, caption
// buttons, four pages below the banner and an agreement panel that can cover
// everything. Its layout is the table in ui/layout.h.

#include "app/program.h"
#include "base/gdi_win.h"
#include "ui/layout.h"
#include "ui/window_base_win.h"

#include <functional>
#include <vector>
#include <string>

class MainWindow : public WindowBase<MainWindow> {
public:
    // Runs once per window when it has been created, before its own steps:
    // how the chrome attaches itself.
    using CreationHook = std::function<void(HWND window)>;
    static void registerCreationHook(CreationHook hook);

    // What the install parts do when their controls are used.
    struct Actions {
        std::function<void()> startInstall;
        std::function<void()> selectProgramFile;
        std::function<void()> manualInstall;
        std::function<void()> manualDownload;
    };

    MainWindow(Program& program, Actions actions);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window centred on the screen and shows it.
    bool create();

    HWND control(ControlId id) const;
    std::string text(ControlId id) const;
    void setText(ControlId id, const std::string& text);
    void setProgress(int position, bool marquee);
    void showPage(Page page);
    Page currentPage() const { return page_; }

private:
    friend class WindowBase<MainWindow>;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void onWindowCreated();
    void onCommand(ControlId id, int code);
    void onCloseClicked();
    void onBrowseClicked();
    void onAgreementLinkPressed();
    void onAgreementBackClicked();
    void onAgreeClicked();
    void onRunClicked();
    void drawButton(const DRAWITEMSTRUCT& item);
    void startDrag();

    Program& program_;
    Actions actions_;
    std::vector<std::pair<ControlId, HWND>> controls_;
    Page page_ = Page::Install;
    Font smallFont_;
    Font largeFont_;
    Brush whiteBrush_;
};
