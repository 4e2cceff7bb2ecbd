#pragma once
// The drop shadow of a borderless window: a layered, click-through popup
// owned by the window, 5 pixels wider on every side, whose five rings fade
// from alpha 65 next to the window to 5 at the outside. It follows every move
// and size change of its owner.

#include <windows.h>

#include <cstdint>
#include <vector>

bool attachShadow(HWND owner, COLORREF colour);
HWND shadowWindowOf(HWND owner);
void placeShadow(HWND owner);
void paintShadow(HWND owner, int width, int height);

// The band as premultiplied ARGB pixels, top row first: what paintShadow
// hands to the system.
std::vector<uint32_t> renderShadow(COLORREF colour, int width, int height);
