#pragma once
// Owners of GDI objects and device contexts, and selections that put back
// what they replaced, so every drawing path releases what it made.

#include "base/handle_win.h"

template <typename Object>
struct GdiObjectTraits {
    using Handle = Object;
    static Handle invalid() { return nullptr; }
    static bool isValid(Handle h) { return h != nullptr; }
    static void close(Handle h) { DeleteObject(h); }
};
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN>>;
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Region = UniqueHandle<GdiObjectTraits<HRGN>>;

// A memory context made compatible with another one.
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle invalid() { return nullptr; }
    static bool isValid(Handle h) { return h != nullptr; }
    static void close(Handle h) { DeleteDC(h); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;
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
