#pragma once
// The one pattern every window of the program follows: the object is bound
// to its window on WM_NCCREATE from the creation parameter, and messages go
// to its handler, which falls back to the default procedure.

#include <windows.h>

template <typename Derived>
class WindowBase {
public:
    HWND hwnd() const { return hwnd_; }

protected:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        return self->handle(message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};
