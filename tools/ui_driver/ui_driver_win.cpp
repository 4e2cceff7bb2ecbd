#include "ui_driver_win.h"

#include <objidl.h>
#include <gdiplus.h>

namespace ui_driver {

namespace {

struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK findTopWindow(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd))
        return TRUE;
    wchar_t cls[64] = L"";
    GetClassNameW(hwnd, cls, 64);
    if (search->className && wcscmp(cls, search->className) != 0)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND waitFor(DWORD pid, const wchar_t* className, DWORD timeoutMs)
{
    ULONGLONG until = GetTickCount64() + timeoutMs;
    do {
        Search search{pid, className, nullptr};
        EnumWindows(findTopWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    } while (GetTickCount64() < until);
    return nullptr;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK findChild(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND waitForMainWindow(DWORD pid, DWORD timeoutMs) { return waitFor(pid, L"AgentInstallerWindow", timeoutMs); }
HWND waitForMessageBox(DWORD pid, DWORD timeoutMs) { return waitFor(pid, L"#32770", timeoutMs); }
HWND anyWindowOf(DWORD pid) { return waitFor(pid, nullptr, 0); }

HWND findControl(HWND top, int id)
{
    ChildSearch search{id, nullptr};
    EnumChildWindows(top, findChild, reinterpret_cast<LPARAM>(&search));  // all descendants
    return search.found;
}

std::wstring text(HWND window)
{
    wchar_t buffer[4096] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, nullptr);
    return buffer;
}

RECT rectIn(HWND top, HWND control)
{
    RECT rc;
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool isVisible(HWND window) { return IsWindowVisible(window); }
bool isEnabled(HWND window) { return IsWindowEnabled(window); }
bool isChecked(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    ULONGLONG until = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= until)
            return condition();
        Sleep(20);
    }
    return true;
}

void press(HWND label)
{
    PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

std::wstring messageBoxText(HWND box) { return text(GetDlgItem(box, 0xFFFF)); }

void answer(HWND box, int buttonId) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0); }

COLORREF pixel(HWND top, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(top, &p);
    HDC screen = GetDC(nullptr);
    COLORREF color = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return color;
}

bool screenshot(HWND window, const std::wstring& pngPath)
{
    // Have everything repainted, and give the window a moment to do it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
    RECT rc;
    GetWindowRect(window, &rc);
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY);
    SelectObject(memory, old);

    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    Gdiplus::GpBitmap* image = nullptr;
    bool saved = false;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
        // The PNG encoder.
        const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        saved = Gdiplus::DllExports::GdipSaveImageToFile(image, pngPath.c_str(), &png, nullptr) == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(image);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace ui_driver
