#pragma once
// The window's close and minimise buttons as image buttons: a white cross and
// bar over the banner, grey while hovered, pressed or disabled.

#include <windows.h>

void setUpCaptionButtons(HWND closeButton, HWND minimizeButton);
