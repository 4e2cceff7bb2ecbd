// The image control's operations the installer itself does not use.
#include "chrome/image_control_win.h"

#include <commctrl.h>

using namespace image_props;

void PngControl::setToolTip(const std::wstring& text, int style) const
{
    static HWND tips = nullptr;
    if (!tips) {
        tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 1024);
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (GetPropW(hwnd_, kToolTips)) {
        SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    SetPropW(hwnd_, kToolTips, reinterpret_cast<HANDLE>(1));
    tool.uFlags = TTF_SUBCLASS | ((style & 1) ? 0 : TTF_CENTERTIP);
    GetClientRect(hwnd_, &tool.rect);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PngControl::setBounds(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                           std::optional<int> height, std::optional<int> noRedraw) const
{
    RECT rc{};
    GetWindowRect(hwnd_, &rc);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rc), 2);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!left && !top)
        flags |= SWP_NOMOVE;
    if (!width && !height)
        flags |= SWP_NOSIZE;
    if (noRedraw.value_or(0))
        flags |= SWP_NOREDRAW;
    SetWindowPos(hwnd_, nullptr, left.value_or(rc.left), top.value_or(rc.top), width.value_or(rc.right - rc.left),
                 height.value_or(rc.bottom - rc.top), flags);
}

HWND PngControl::createImageButton(HWND parent, int left, int top, int width, int height, const std::wstring& text)
{
    HWND button = CreateWindowExW(WS_EX_TRANSPARENT, L"Button", text.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  left, top, width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    attachImageButton(button);
    return button;
}

void PngControl::setImagesFromBytes(std::optional<std::string_view> normal, std::optional<std::string_view> hover,
                                    std::optional<std::string_view> pressed,
                                    std::optional<std::string_view> disabled) const
{
    auto load = [](const std::optional<std::string_view>& bytes) -> std::optional<Image> {
        if (!bytes)
            return std::nullopt;
        return loadImageFromBytes(*bytes);
    };
    setImages(load(normal), load(hover), load(pressed), load(disabled));
}
