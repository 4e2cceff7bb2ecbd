// The image control module's start: its own start of GDI+, the frame
// dimension of animated pictures, and the window class "KiteLoadDialog" of a
// loading dialog. The installer itself creates no
// such window.
#include "chrome/image_control_win.h"

namespace {

ULONG_PTR imageControlToken = 0;

// A loading dialog frees what its creator hung on it, and may be dragged by
// any point when "KiteHitMove" is 1.
LRESULT CALLBACK loadingDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        if (HANDLE thread = GetPropW(window, L"Kite_Thread")) {
            TerminateThread(thread, 0);
            CloseHandle(thread);
        }
        if (HANDLE image = GetPropW(window, L"Kite_Image"))
            Gdiplus::DllExports::GdipDisposeImage(static_cast<Image>(image));
        if (HANDLE memory = GetPropW(window, L"Kite_Stream"))
            GlobalFree(memory);
    }
    LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN && GetPropW(window, L"KiteHitMove") == reinterpret_cast<HANDLE>(1)) {
        ReleaseCapture();
        SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
    return result;
}

}  // namespace

void initImageControlModule()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&imageControlToken, &input, nullptr);
    frameDimension = GUID{};
    IIDFromString(L"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}", &frameDimension);  // FrameDimensionTime
    WNDCLASSW loading{};
    loading.style = CS_HREDRAW | CS_VREDRAW;
    loading.lpfnWndProc = loadingDialogProc;
    loading.hInstance = GetModuleHandleW(nullptr);
    loading.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    loading.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    loading.lpszClassName = L"KiteLoadDialog";
    RegisterClassW(&loading);
}
