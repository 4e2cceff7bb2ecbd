#pragma once
// Owners of GDI objects and device contexts, and selections that put back
// what they replaced, so every drawing path releases what it made.

#include "base/handle_win.h"

struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
template <typename Object>
using GdiObject = UniqueHandle<NullHandleTraits<Object, DeleteGdiObject>>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// A memory context made compatible with another one.
struct DeleteDc {
    void operator()(HDC h) const { DeleteDC(h); }
};
using MemoryDc = UniqueHandle<NullHandleTraits<HDC, DeleteDc>>;
inline MemoryDc compatibleDc(HDC dc) { return MemoryDc(CreateCompatibleDC(dc)); }

// A window's context (its client area, or with `whole` its whole window).
class WindowDc {
public:
    explicit WindowDc(HWND window, bool whole = false)
        : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window))
    {
    }
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a context for the life of this value.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
