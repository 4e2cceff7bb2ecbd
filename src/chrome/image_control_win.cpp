#include "chrome/image_control_win.h"

#include "base/gdi_win.h"
#include "chrome/chrome_geometry.h"

namespace gp = Gdiplus::DllExports;
using namespace image_props;

namespace {

HANDLE asHandle(intptr_t value) { return reinterpret_cast<HANDLE>(value); }
int intProperty(HWND window, const wchar_t* name)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(GetPropW(window, name)));
}

LRESULT callPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kWndProc));
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
}

// Puts `proc` in front of the window's procedure, keeping the one it had.
void hookProcedure(HWND window, WNDPROC proc)
{
    LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    SetPropW(window, kWndProc, reinterpret_cast<HANDLE>(previous));
}

// Writes a style word only when it changes.
void changeStyle(HWND window, int which, LONG_PTR add, LONG_PTR remove)
{
    LONG_PTR old = GetWindowLongPtrW(window, which);
    LONG_PTR wanted = (old | add) & ~remove;
    if (wanted != old)
        SetWindowLongPtrW(window, which, wanted);
}

SIZE windowSize(HWND window)
{
    RECT rc{};
    GetWindowRect(window, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

Image imageForState(HWND button, int state)
{
    const wchar_t* name = state == DrawHover ? kHoverImage : state == DrawPressed ? kPressedImage
                        : state == DrawDisabled ? kDisabledImage : nullptr;
    HANDLE image = name ? GetPropW(button, name) : nullptr;
    return static_cast<Image>(image ? image : GetPropW(button, kNormalImage));
}

void setDrawState(HWND button, int state, bool forced)
{
    if (state != intProperty(button, kDrawState))
        SetPropW(button, kDrawState, asHandle(state));
    else if (!forced)
        return;
    paintImageButton(button, nullptr);
}

// Asks the image buttons other than `button` among `window`'s siblings that
// lie over `region` (in `window`'s client coordinates) to paint again.
void invalidateImageButtonsOver(HWND window, HRGN region, HWND button)
{
    for (HWND sibling = GetWindow(window, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        RECT rc;
        GetWindowRect(sibling, &rc);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rc), 2);
        if (sibling != button && intProperty(sibling, kType) == kImageButtonType && RectInRegion(region, &rc))
            InvalidateRect(sibling, nullptr, FALSE);
    }
}

// Has what lies beneath the button paint the button's area now, so that the
// area shows that and not the button's last picture: the button alone is
// asked to repaint when it invalidates itself (a button does so for hot
// tracking), and Wine's immediate updates paint siblings from the top of the
// stacking order down, the ones beneath last. The parent paints only where no
// opaque sibling covers the button, so the area never flashes its colour.
void repaintBeneath(HWND button)
{
    HWND parent = GetParent(button);
    RECT onScreen, area;
    GetWindowRect(button, &onScreen);
    area = onScreen;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    auto beneath = [&](auto visit) {
        for (HWND below = GetWindow(button, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
            RECT rc;
            GetWindowRect(below, &rc);
            if (IsWindowVisible(below) && IntersectRect(&rc, &rc, &onScreen))
                visit(below, EqualRect(&rc, &onScreen));
        }
    };
    bool covered = false;
    beneath([&](HWND below, bool coversButton) {
        covered |= coversButton && !(GetWindowLongPtrW(below, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    });
    // The parent does not clip its children out: it paints first.
    if (!covered)
        RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW);
    beneath([&](HWND below, bool) {
        // A window paints all it has pending, which may lie under other
        // image buttons too: those paint again after it.
        Region pending(CreateRectRgn(0, 0, 0, 0));
        bool hadPending = GetUpdateRgn(below, pending.get(), FALSE) > NULLREGION;
        RECT inBelow = area;
        MapWindowPoints(parent, below, reinterpret_cast<POINT*>(&inBelow), 2);
        RedrawWindow(below, &inBelow, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        if (hadPending)
            invalidateImageButtonsOver(below, pending.get(), button);
    });
}

// Keeps a copy of what the paint context shows beneath the button.
void cacheBackground(HWND button, HDC context)
{
    SIZE size = windowSize(button);
    Bitmap old(static_cast<HBITMAP>(GetPropW(button, kCacheBitmap)));
    Bitmap copy(CreateCompatibleBitmap(context, size.cx, size.cy));
    {
        MemoryDc memory = compatibleDc(context);
        Selection selected(memory.get(), copy.get());
        BitBlt(memory.get(), 0, 0, size.cx, size.cy, context, 0, 0, SRCCOPY);
    }
    SetPropW(button, kCacheBitmap, copy.release());  // the button's until its next system paint
}

LRESULT CALLBACK imageButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    int state = intProperty(button, kDrawState);
    switch (message) {
    case WM_PAINT: {
        // The whole button, not only the part the paint asks for: what lies
        // beneath has just painted all of its area. A paint may even come
        // with nothing left to update, after an earlier one did it.
        repaintBeneath(button);
        PAINTSTRUCT ps;
        BeginPaint(button, &ps);
        EndPaint(button, &ps);
        WindowDc dc(button, true);
        cacheBackground(button, dc.get());
        paintImageButton(button, dc.get());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        return 0;
    case WM_SETFOCUS:
        SetPropW(button, kHasFocus, asHandle(1));
        if (state == DrawPressed)
            setDrawState(button, DrawHover, true);
        return 0;
    case WM_KILLFOCUS:
        SetPropW(button, kHasFocus, asHandle(0));
        if (state == DrawHover)
            setDrawState(button, DrawNormal, true);
        return 0;
    default:
        break;
    }
    LRESULT result = callPrevious(button, message, wParam, lParam);
    switch (message) {
    case WM_ENABLE:
        setDrawState(button, wParam ? DrawNormal : DrawDisabled, true);
        break;
    case BM_SETSTATE:
        setDrawState(button, wParam == 1 ? DrawPressed : GetPropW(button, kHasFocus) ? DrawHover : DrawNormal, false);
        paintImageButton(button, nullptr);
        break;
    case WM_MOUSEMOVE:
        state = intProperty(button, kDrawState);
        if (state != DrawHover && state != DrawPressed) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
            TrackMouseEvent(&track);
            setDrawState(button, DrawHover, true);
        }
        break;
    case WM_LBUTTONDOWN:
        setDrawState(button, DrawPressed, true);
        break;
    case WM_LBUTTONUP:
        setDrawState(button, intProperty(button, kDrawState) == DrawPressed ? DrawHover : DrawNormal, true);
        break;
    case WM_MOUSELEAVE:
        setDrawState(button, DrawNormal, true);
        break;
    }
    return result;
}

LRESULT CALLBACK parentHookProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY: {
        auto header = reinterpret_cast<const NMHDR*>(lParam);
        if (intProperty(header->hwndFrom, kType) == kImageButtonType && static_cast<int>(header->code) == -12)
            paintImageButton(header->hwndFrom, nullptr);  // custom draw
        break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        if (GetPropW(reinterpret_cast<HWND>(lParam), kType)) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        break;
    }
    return callPrevious(parent, message, wParam, lParam);
}

}  // namespace

void paintImageButton(HWND button, HDC context)
{
    auto cache = static_cast<HBITMAP>(GetPropW(button, kCacheBitmap));
    if (!cache)
        return;  // not painted by the system yet: nothing known of the background
    SIZE size = windowSize(button);
    std::optional<WindowDc> windowDc;
    if (!context)
        context = windowDc.emplace(button, true).get();
    MemoryDc memory = compatibleDc(context);
    Bitmap canvas(CreateCompatibleBitmap(context, size.cx, size.cy));
    Selection selected(memory.get(), canvas.get());
    {
        MemoryDc background = compatibleDc(context);
        Selection cached(background.get(), cache);
        BitBlt(memory.get(), 0, 0, size.cx, size.cy, background.get(), 0, 0, SRCCOPY);
    }
    if (Image image = imageForState(button, intProperty(button, kDrawState))) {
        float w = 0, h = 0;
        gp::GdipGetImageDimension(image, &w, &h);
        int backType = intProperty(button, kBackType);
        if (backType == BackStretched) {
            drawImage(memory.get(), image, 0, 0, size.cx, size.cy);
        } else if (backType == BackFitted) {
            FittedSize fitted = fitSize(static_cast<int>(w), static_cast<int>(h), size.cx, size.cy);
            drawImage(memory.get(), image, (size.cx - fitted.width) / 2, (size.cy - fitted.height) / 2,
                      fitted.width, fitted.height);
        } else {
            drawImage(memory.get(), image, 0, 0, static_cast<int>(w), static_cast<int>(h));
        }
    }
    BitBlt(context, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
}

bool PngControl::attachBase(HWND control)
{
    if (!IsWindow(control))
        return false;
    HWND parent = GetParent(control);
    if (!GetPropW(parent, kType) && !GetPropW(parent, kWndProc))
        hookProcedure(parent, parentHookProc);
    // The parent paints beneath the control, and the control after its
    // siblings, so at its paint time its area shows what lies beneath.
    changeStyle(control, GWL_STYLE, 0, WS_CLIPSIBLINGS);
    changeStyle(control, GWL_EXSTYLE, WS_EX_TRANSPARENT, 0);
    changeStyle(parent, GWL_STYLE, 0, WS_CLIPCHILDREN);
    hwnd_ = control;
    return true;
}

void PngControl::setProperty(const wchar_t* name, HANDLE value) const { SetPropW(hwnd_, name, value); }

HANDLE PngControl::getProperty(const wchar_t* name) const { return GetPropW(hwnd_, name); }

LRESULT PngControl::sendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(hwnd_, message, wParam, lParam);
}

bool PngControl::isAlive() const { return IsWindow(hwnd_); }

void PngControl::invalidate() const { InvalidateRect(hwnd_, nullptr, FALSE); }

void PngControl::attachImageButton(HWND button, Image normalImage)
{
    if (!attachBase(button))
        return;
    SetPropW(button, kType, asHandle(kImageButtonType));
    if (normalImage)
        SetPropW(button, kNormalImage, normalImage);
    changeStyle(button, GWL_STYLE, BS_OWNERDRAW, 0);
    if (!GetPropW(button, kWndProc))
        hookProcedure(button, imageButtonProc);
    RECT inParent;
    GetWindowRect(button, &inParent);
    MapWindowPoints(nullptr, GetParent(button), reinterpret_cast<POINT*>(&inParent), 2);
    InvalidateRect(GetParent(button), &inParent, FALSE);
    InvalidateRect(button, nullptr, FALSE);
}

void PngControl::setImages(std::optional<Image> normal, std::optional<Image> hover, std::optional<Image> pressed,
                           std::optional<Image> disabled) const
{
    const std::pair<const std::optional<Image>&, const wchar_t*> images[] = {
        {normal, kNormalImage}, {hover, kHoverImage}, {pressed, kPressedImage}, {disabled, kDisabledImage}};
    for (const auto& [image, name] : images)
        if (image)
            SetPropW(hwnd_, name, *image);
}

void PngControl::setBackType(int type) const { SetPropW(hwnd_, kBackType, asHandle(type)); }
