#include "chrome/shadow_win.h"

#include "base/gdi_win.h"
#include "chrome/chrome_geometry.h"
#include "chrome/graphics_win.h"

namespace gp = Gdiplus::DllExports;

namespace {

constexpr wchar_t kShadow[] = L"WndShadow";
constexpr wchar_t kShadowProc[] = L"WndShadow.Proc";
constexpr wchar_t kShadowColor[] = L"WndShadow.Color";
constexpr int kBand = 5;

LRESULT CALLBACK shadowOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The band moves before the owner's own procedure sees the change.
    if (message == WM_SIZE || message == WM_MOVE)
        placeShadow(window);
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kShadowProc));
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
}

// Five 1-pixel rings from the outside in, alpha 5, 20, 35, 50, 65, drawn with
// GDI+ into pixels that start fully transparent.
void drawShadowRings(COLORREF colour, uint32_t* pixels, int width, int height)
{
    Gdiplus::GpBitmap* made = nullptr;
    if (gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                      reinterpret_cast<BYTE*>(pixels), &made) != Gdiplus::Ok)
        return;
    OwnedImage bitmap(made);
    Gdiplus::GpGraphics* context = nullptr;
    gp::GdipGetImageGraphicsContext(made, &context);
    Graphics graphics(context);
    uint32_t alpha = 5;
    for (int i = 1; i <= kBand; ++i, alpha += 15) {
        Gdiplus::GpPen* pen = nullptr;
        gp::GdipCreatePen1(toArgb(colour, alpha), 1.0f, Gdiplus::UnitPixel, &pen);
        GraphicsPen owned(pen);
        gp::GdipDrawRectangle(context, pen, static_cast<float>(i - 1), static_cast<float>(i - 1),
                              static_cast<float>(width - 2 * i + 1), static_cast<float>(height - 2 * i + 1));
    }
}

}  // namespace

std::vector<uint32_t> renderShadow(COLORREF colour, int width, int height)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0);
    drawShadowRings(colour, pixels.data(), width, height);
    return pixels;
}

HWND shadowWindowOf(HWND owner)
{
    auto shadow = static_cast<HWND>(GetPropW(owner, kShadow));
    if (shadow && IsWindow(shadow))
        return shadow;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const wchar_t* cls : {L"SysShadow", L"Static"}) {
        shadow = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, cls, L"", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, owner,
                                 nullptr, instance, nullptr);
        if (shadow)
            break;
    }
    SetPropW(owner, kShadow, shadow);
    return shadow;
}

bool attachShadow(HWND owner, COLORREF colour)
{
    if (!IsWindow(owner))
        return false;
    if (HWND shadow = shadowWindowOf(owner))
        SetPropW(shadow, kShadowColor, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(colour)));
    placeShadow(owner);
    if (!GetPropW(owner, kShadowProc)) {
        auto previous = SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(shadowOwnerProc));
        SetPropW(owner, kShadowProc, reinterpret_cast<HANDLE>(previous));
    }
    return true;
}

void placeShadow(HWND owner)
{
    auto shadow = static_cast<HWND>(GetPropW(owner, kShadow));
    RECT rc;
    if (!shadow || !GetWindowRect(owner, &rc))
        return;
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    if (width == 0 || height == 0)
        return;
    width += 2 * kBand;
    height += 2 * kBand;
    SetWindowPos(shadow, nullptr, rc.left - kBand, rc.top - kBand, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    paintShadow(owner, width, height);
}

void paintShadow(HWND owner, int width, int height)
{
    auto shadow = static_cast<HWND>(GetPropW(owner, kShadow));
    if (!shadow)
        return;
    if (width == 0 || height == 0) {
        RECT rc;
        GetWindowRect(shadow, &rc);
        width = rc.right - rc.left;
        height = rc.bottom - rc.top;
        if (width == 0 || height == 0)
            return;
    }
    auto colour = static_cast<COLORREF>(reinterpret_cast<uintptr_t>(GetPropW(shadow, kShadowColor)));
    WindowDc windowDc(shadow);
    MemoryDc memory = compatibleDc(windowDc.get());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return;
    std::vector<uint32_t> pixels = renderShadow(colour, width, height);
    memcpy(bits, pixels.data(), pixels.size() * 4);
    Selection selected(memory.get(), bitmap.get());
    SIZE size{width, height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(shadow, windowDc.get(), nullptr, &size, memory.get(), &origin, 0, &blend, ULW_ALPHA);
}
