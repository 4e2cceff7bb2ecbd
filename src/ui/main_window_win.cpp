#include "ui/main_window_win.h"

#include "app/resources.h"
#include "base/codepage_win.h"
#include "base/resource_win.h"
#include "chrome/graphics_win.h"
#include "install/install_paths.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windowsx.h>

#include <vector>

namespace {

constexpr wchar_t kWindowClass[] = L"AgentInstallerWindow";
constexpr wchar_t kContainerClass[] = L"AgentInstallerContainer";
constexpr wchar_t kHoverProperty[] = L"Installer.Hover";

std::vector<MainWindow::CreationHook>& creationHooks()
{
    static std::vector<MainWindow::CreationHook> hooks;
    return hooks;
}

COLORREF rgb(unsigned color) { return static_cast<COLORREF>(color); }

void fillRect(HDC dc, const RECT& rc, unsigned color) { FillRect(dc, &rc, Brush(CreateSolidBrush(rgb(color))).get()); }

// Moves the window as a press on a caption bar would.
void dragWindow(HWND anyChild)
{
    HWND top = GetAncestor(anyChild, GA_ROOT);
    ReleaseCapture();
    SendMessageW(top, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// Containers (the agreement panel, the page area, frames) fill or outline
// themselves, pass their children's notifications up to the window, and move
// the window when pressed.
LRESULT CALLBACK containerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto entry = reinterpret_cast<const ControlSpec*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        if (entry && entry->kind == ControlKind::Frame) {
            // No fill of its own: the colour of what holds it, then the outline.
            auto holder = reinterpret_cast<const ControlSpec*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
            fillRect(dc, rc, holder && holder->kind == ControlKind::Panel ? holder->color : colors::white);
            FrameRect(dc, &rc, Brush(CreateSolidBrush(rgb(entry->color))).get());
        } else {
            fillRect(dc, rc, entry && entry->kind == ControlKind::Panel ? entry->color : colors::white);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (entry && entry->kind == ControlKind::Panel)
            break;  // the panel's own children are asked directly below
        [[fallthrough]];
    case WM_COMMAND:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_LBUTTONDOWN:
        dragWindow(hwnd);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Hover tracking for the owner-drawn buttons, and dragging by the progress bar.
LRESULT CALLBACK controlSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR kind)
{
    if (static_cast<ControlKind>(kind) == ControlKind::ProgressBar && message == WM_LBUTTONDOWN) {
        dragWindow(hwnd);
        return 0;
    }
    if (message == WM_MOUSEMOVE && !GetPropW(hwnd, kHoverProperty)) {
        SetPropW(hwnd, kHoverProperty, reinterpret_cast<HANDLE>(1));
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd, nullptr, FALSE);
    } else if (message == WM_MOUSELEAVE) {
        RemovePropW(hwnd, kHoverProperty);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::wstring agreementText()
{
    // Built in as code page 936 text with "\r\n" line ends.
    return toWide(resourceBytes(IDR_AGREEMENT));
}

}  // namespace

void MainWindow::registerCreationHook(CreationHook hook) { creationHooks().push_back(std::move(hook)); }

MainWindow::MainWindow(Program& program, Actions actions)
    : program_(program), actions_(std::move(actions))
{
}

bool MainWindow::create()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    WNDCLASSEXW container = wc;
    container.lpfnWndProc = containerProc;
    container.hbrBackground = nullptr;
    container.lpszClassName = kContainerClass;
    RegisterClassExW(&container);

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    auto font = [](int height) {
        return Font(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"微软雅黑"));
    };
    smallFont_ = font(12);
    largeFont_ = font(16);
    whiteBrush_ = Brush(CreateSolidBrush(rgb(colors::white)));

    int x = (GetSystemMetrics(SM_CXSCREEN) - kDesignWidth) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - kDesignHeight) / 2;
    // Borderless: no caption bar, no frame, no system menu.
    if (!CreateWindowExW(0, kWindowClass, L"", WS_POPUP | WS_MINIMIZEBOX, x, y, kDesignWidth, kDesignHeight, nullptr,
                         nullptr, instance, this))
        return false;
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    return true;
}

void MainWindow::createControls()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // Frames hold buttons, so a control may come before its parent in the
    // table: create in passes until every control exists.
    auto layout = installerLayout();
    for (bool created = true; created;) {
        created = false;
        for (const ControlSpec& entry : layout) {
            if (control(entry.id) || (entry.parent != ControlId::None && !control(entry.parent)))
                continue;
            HWND parent = entry.parent == ControlId::None ? hwnd_ : control(entry.parent);
            const wchar_t* cls = L"STATIC";
            DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
            DWORD exStyle = 0;
            void* param = nullptr;
            switch (entry.kind) {
            case ControlKind::ImageButton:
                cls = L"BUTTON";
                style |= BS_OWNERDRAW | WS_TABSTOP;
                break;
            case ControlKind::TransparentLabel:
                // Links notify their press; other labels let presses through.
                // The title over the banner draws the banner beneath itself.
                style |= SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
                if (entry.id == ControlId::TitleLabel)
                    style |= SS_OWNERDRAW;
                if (entry.id == ControlId::AgreementLink || entry.id == ControlId::ManualDownloadLink)
                    style |= SS_NOTIFY;
                break;
            case ControlKind::Panel:
            case ControlKind::Frame:
                // Their children paint all of their own area.
                style |= WS_CLIPCHILDREN;
                [[fallthrough]];
            case ControlKind::PageArea:
                // The page area paints white beneath its transparent labels.
                cls = kContainerClass;
                param = const_cast<ControlSpec*>(&entry);
                break;
            case ControlKind::Picture:
                style |= SS_OWNERDRAW;
                break;
            case ControlKind::Edit:
                cls = L"EDIT";
                style |= ES_AUTOHSCROLL | WS_TABSTOP;
                if (entry.id == ControlId::InstallFolderEdit)
                    style |= ES_READONLY;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::MultiLineEdit:
                cls = L"EDIT";
                style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::FlatButton:
            case ControlKind::PictureButton:
                cls = L"BUTTON";
                style |= BS_OWNERDRAW | WS_TABSTOP;
                break;
            case ControlKind::CheckBox:
                cls = L"BUTTON";
                style |= BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER;
                break;
            case ControlKind::ProgressBar:
                cls = PROGRESS_CLASSW;
                style |= PBS_SMOOTH;
                break;
            }
            if (entry.page == Page::None || entry.page == page_)
                style |= WS_VISIBLE;
            HWND control = CreateWindowExW(exStyle, cls, toWide(entry.text).c_str(), style, entry.x, entry.y, entry.width,
                                           entry.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                           instance, param);
            controls_.emplace_back(entry.id, control);
            created = true;
            HGDIOBJ font = entry.font == FontSize::System ? GetStockObject(DEFAULT_GUI_FONT)
                           : entry.font == FontSize::Large  ? largeFont_.get()
                                                            : smallFont_.get();
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            if (entry.kind == ControlKind::FlatButton || entry.kind == ControlKind::PictureButton ||
                entry.kind == ControlKind::ProgressBar)
                SetWindowSubclass(control, controlSubclass, 1, static_cast<DWORD_PTR>(entry.kind));
        }
    }
    // The stacking order of each parent's children follows the table.
    for (const ControlSpec& entry : layout)
        SetWindowPos(control(entry.id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    SendMessageW(control(ControlId::AgreeCheckBox), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(control(ControlId::ProgressBar), PBM_SETRANGE32, 0, 100);
    SetWindowTextW(control(ControlId::AgreementText), agreementText().c_str());
    // No border on the progress bar.
    HWND bar = control(ControlId::ProgressBar);
    SetWindowLongPtrW(bar, GWL_EXSTYLE, GetWindowLongPtrW(bar, GWL_EXSTYLE) & ~WS_EX_STATICEDGE);
}

void MainWindow::onWindowCreated()
{
    for (const CreationHook& hook : creationHooks())
        hook(hwnd_);
    // Width first, then height; the top-left corner stays.
    RECT rc;
    GetWindowRect(hwnd_, &rc);
    SetWindowPos(hwnd_, nullptr, 0, 0, kWindowWidth, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(hwnd_, nullptr, 0, 0, kWindowWidth, kWindowHeight, SWP_NOMOVE | SWP_NOZORDER);
    const std::string& name = program_.app.agentApp.appName;
    SetWindowTextW(hwnd_, toWide(name).c_str());
    setText(ControlId::TitleLabel, name);
    setText(ControlId::InstallFolderEdit, "C:\\" + name + "\\");
}

HWND MainWindow::control(ControlId id) const
{
    for (const auto& [controlId, hwnd] : controls_)
        if (controlId == id)
            return hwnd;
    return nullptr;
}

std::string MainWindow::text(ControlId id) const
{
    HWND hwnd = control(id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return fromWide(text);
}

void MainWindow::setText(ControlId id, const std::string& text)
{
    HWND hwnd = control(id);
    SetWindowTextW(hwnd, toWide(text).c_str());
    if (id == ControlId::TitleLabel) {
        InvalidateRect(hwnd, nullptr, FALSE);  // it draws its own background
    } else if (controlSpec(id).kind == ControlKind::TransparentLabel) {
        // A transparent label draws no background: repaint what lies beneath
        // its box, or the old text would show through.
        RECT rc;
        GetWindowRect(hwnd, &rc);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
        RedrawWindow(GetParent(hwnd), &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void MainWindow::setProgress(int position, bool marquee)
{
    HWND bar = control(ControlId::ProgressBar);
    LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
    if (marquee != ((style & PBS_MARQUEE) != 0)) {
        SetWindowLongPtrW(bar, GWL_STYLE, marquee ? style | PBS_MARQUEE : style & ~PBS_MARQUEE);
        SendMessageW(bar, PBM_SETMARQUEE, marquee, 30);
    }
    if (!marquee)
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void MainWindow::showPage(Page page)
{
    page_ = page;
    for (const ControlSpec& entry : installerLayout()) {
        if (entry.page != Page::None)
            ShowWindow(control(entry.id), entry.page == page ? SW_SHOW : SW_HIDE);
    }
    InvalidateRect(control(ControlId::PageTabs), nullptr, TRUE);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        onWindowCreated();
        return 0;
    case WM_COMMAND:
        onCommand(static_cast<ControlId>(LOWORD(wParam)), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        auto id = static_cast<ControlId>(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        if (id == ControlId::None || reinterpret_cast<HWND>(lParam) == control(ControlId::AgreementText) ||
            controlSpec(id).kind != ControlKind::TransparentLabel) {
            // Edit boxes (read-only ones too) and the check box: black on white.
            SetTextColor(dc, rgb(colors::black));
            SetBkColor(dc, rgb(colors::white));
            return reinterpret_cast<LRESULT>(whiteBrush_.get());
        }
        SetTextColor(dc, rgb(controlSpec(id).color));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_LBUTTONDOWN:
        startDrag();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::startDrag() { dragWindow(hwnd_); }

void MainWindow::onCommand(ControlId id, int code)
{
    auto run = [](const std::function<void()>& action) {
        if (action)
            action();
    };
    if (code == STN_CLICKED && id == ControlId::AgreementLink)
        return onAgreementLinkPressed();
    if (code == STN_CLICKED && id == ControlId::ManualDownloadLink)
        return run(actions_.manualDownload);
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case ControlId::CloseButton: return onCloseClicked();
    case ControlId::MinimizeButton: ShowWindow(hwnd_, SW_MINIMIZE); return;
    case ControlId::BrowseButton: return onBrowseClicked();
    case ControlId::AgreementBackButton: return onAgreementBackClicked();
    case ControlId::AgreeCheckBox: return onAgreeClicked();
    case ControlId::RunButton: return onRunClicked();
    case ControlId::InstallButton: return run(actions_.startInstall);
    case ControlId::SelectFileButton: return run(actions_.selectProgramFile);
    case ControlId::ManualInstallButton: return run(actions_.manualInstall);
    default: return;
    }
}

void MainWindow::onCloseClicked()
{
    if (MessageBoxW(hwnd_, toWide("你真的要退出安装程序吗？").c_str(), toWide("提示").c_str(), MB_ICONQUESTION | MB_OKCANCEL) ==
        IDOK)
        ExitProcess(0);  // at once, also in the middle of a download; the temporary file stays
}

void MainWindow::onBrowseClicked()
{
    std::wstring title = toWide("选择安装目录：");
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_EDITBOX | BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return;
    wchar_t path[MAX_PATH * 4] = L"";
    BOOL ok = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    std::string folder = ok ? fromWide(path) : std::string();
    if (folder.empty())
        return;
    setText(ControlId::InstallFolderEdit, folderForChoice(folder, program_.app.agentApp.appName));
}

void MainWindow::onAgreementLinkPressed()
{
    SetWindowPos(control(ControlId::AgreementPanel), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void MainWindow::onAgreementBackClicked() { ShowWindow(control(ControlId::AgreementPanel), SW_HIDE); }

void MainWindow::onAgreeClicked()
{
    bool checked = SendMessageW(control(ControlId::AgreeCheckBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
    EnableWindow(control(ControlId::InstallButton), checked);
    InvalidateRect(control(ControlId::InstallButton), nullptr, TRUE);
}

void MainWindow::onRunClicked()
{
    ShellExecuteW(nullptr, L"open", toWide(program_.targetExePath).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    DestroyWindow(hwnd_);
}

void MainWindow::drawButton(const DRAWITEMSTRUCT& item)
{
    auto id = static_cast<ControlId>(item.CtlID);
    static Image banner = loadImageFromBytes(resourceBytes(IDR_BANNER));
    if (id == ControlId::BannerPicture) {
        if (banner)
            drawImage(item.hDC, banner, 0, 0, item.rcItem.right, item.rcItem.bottom);
        return;
    }
    const ControlSpec& entry = controlSpec(id);
    bool hover = GetPropW(item.hwndItem, kHoverProperty) != nullptr;
    bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT rc = item.rcItem;
    HDC dc = item.hDC;

    if (id == ControlId::TitleLabel) {
        // Over the banner, the title shows what lies beneath it (the banner,
        // or the agreement panel over it) before its text.
        RECT inWindow = rc;
        MapWindowPoints(item.hwndItem, hwnd_, reinterpret_cast<POINT*>(&inWindow), 2);
        RECT panel;
        GetWindowRect(control(ControlId::AgreementPanel), &panel);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&panel), 2);
        if (IsWindowVisible(control(ControlId::AgreementPanel)) && panel.left <= inWindow.left)
            fillRect(dc, rc, colors::blue);
        else if (banner)
            drawImage(dc, banner, -inWindow.left, -inWindow.top, 600, 300);
        std::wstring title = toWide(text(id));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, rgb(entry.color));
        Selection font(dc, smallFont_.get());
        DrawTextW(dc, title.c_str(), -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    if (entry.kind == ControlKind::ImageButton)
        return;  // the chrome draws the caption buttons

    unsigned fill;
    if (entry.kind == ControlKind::PictureButton) {
        // A disabled button (the install button while the box is unticked) is grey.
        fill = disabled ? colors::grey : hover ? colors::pictureHover : colors::picture;
        // The picture: a filled shape with corners rounded by about two pixels.
        FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        Brush brush(CreateSolidBrush(rgb(fill)));
        Pen pen(CreatePen(PS_SOLID, 1, rgb(fill)));
        Selection withBrush(dc, brush.get()), withPen(dc, pen.get());
        RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, 5, 5);
    } else {
        bool blue = id == ControlId::AgreementBackButton;
        fill = hover ? (blue ? colors::blueHover : colors::buttonHover) : (blue ? colors::blue : colors::white);
        fillRect(dc, rc, fill);
    }
    std::wstring caption = toWide(entry.text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, rgb(entry.color));
    Selection font(dc, (entry.font == FontSize::Large ? largeFont_ : smallFont_).get());
    DrawTextW(dc, caption.c_str(), -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
