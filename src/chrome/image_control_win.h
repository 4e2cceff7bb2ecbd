#pragma once
// Image buttons: ordinary push buttons that draw one of four images (normal,
// hover, pressed, disabled) over a copy of what lies beneath them, so that
// PNG images with alpha blend onto the banner. Everything a button needs is
// kept in window properties on the button, so it keeps working after the
// PngControl that set it up is gone. One procedure goes in front of each
// button's and one, once, in front of their parent's.

#include "chrome/graphics_win.h"

#include <optional>
#include <string>
#include <string_view>

// Window properties of an image button (and, for the procedure, its parent).
namespace image_props {
inline constexpr wchar_t kType[] = L"PngControl_Type";  // 3 on an image button
inline constexpr wchar_t kWndProc[] = L"PngControl_WndProc";
inline constexpr wchar_t kNormalImage[] = L"PngControl_NormalImage";
inline constexpr wchar_t kHoverImage[] = L"PngControl_OverlImage";
inline constexpr wchar_t kPressedImage[] = L"PngControl_DownImage";
inline constexpr wchar_t kDisabledImage[] = L"PngControl_DisableImage";
inline constexpr wchar_t kBackType[] = L"PngControl_BackType";
inline constexpr wchar_t kCacheBitmap[] = L"PngControl_CacheBitmap";
inline constexpr wchar_t kDrawState[] = L"Kite_DrawState";
inline constexpr wchar_t kHasFocus[] = L"PngControl_IsFoucs";
inline constexpr wchar_t kToolTips[] = L"Kite_ToolTips";
}  // namespace image_props

enum DrawState : int { DrawNormal = 0, DrawHover = 1, DrawPressed = 2, DrawDisabled = 3 };

// How an image sits on its button; other values: natural size, top left.
enum BackType : int { BackStretched = 1, BackFitted = 2 };

inline constexpr int kImageButtonType = 3;

// Works on one control at a time; copies work on the same control.
class PngControl {
public:
    PngControl() = default;
    explicit PngControl(HWND control) : hwnd_(control) {}

    // Hooks the control's parent (at most once) and sets the styles that make
    // the parent paint beneath the control before it paints itself.
    bool attachBase(HWND control);
    HWND handle() const { return hwnd_; }
    void setProperty(const wchar_t* name, HANDLE value) const;
    HANDLE getProperty(const wchar_t* name) const;
    LRESULT sendMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Bit 0 of `style` clear: the tip is centred below the control.
    void setToolTip(const std::wstring& text, int style = 1) const;
    // Omitted values keep the current ones; the stacking order is kept.
    void setBounds(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                   std::optional<int> height, std::optional<int> noRedraw = std::nullopt) const;
    bool isAlive() const;
    void invalidate() const;

    // A new transparent push button made an image button (without images).
    HWND createImageButton(HWND parent, int left, int top, int width, int height, const std::wstring& text);
    void attachImageButton(HWND button, Image normalImage = nullptr);
    // Each image given is stored; omitted ones stay as they are.
    void setImages(std::optional<Image> normal, std::optional<Image> hover = std::nullopt,
                   std::optional<Image> pressed = std::nullopt, std::optional<Image> disabled = std::nullopt) const;
    void setImagesFromBytes(std::optional<std::string_view> normal,
                            std::optional<std::string_view> hover = std::nullopt,
                            std::optional<std::string_view> pressed = std::nullopt,
                            std::optional<std::string_view> disabled = std::nullopt) const;
    void setBackType(int type) const;

private:
    HWND hwnd_ = nullptr;
};

// Composes the button's background copy and its image for the current state
// onto `context`, or onto the button's window when `context` is null.
void paintImageButton(HWND button, HDC context);

// Module initialiser: its own start of GDI+, and the "KiteLoadDialog" class.
void initImageControlModule();
