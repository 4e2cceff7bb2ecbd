#pragma once
// Drives the installer's window from another process, as a user would: finds
// windows and controls, reads them, clicks, answers message boxes and takes
// screenshots. Used by the end-to-end tests and the demo.

#include <windows.h>

#include <functional>
#include <string>

namespace ui_driver {

// The installer's main window in process `pid`, waiting up to `timeoutMs`.
HWND waitForMainWindow(DWORD pid, DWORD timeoutMs);
// A message box (dialog) of process `pid`.
HWND waitForMessageBox(DWORD pid, DWORD timeoutMs);
// Any visible top-level window of process `pid`, or null.
HWND anyWindowOf(DWORD pid);

// The descendant of `top` with this control id.
HWND findControl(HWND top, int id);

std::wstring text(HWND window);
// The control's rectangle in the client coordinates of `top`.
RECT rectIn(HWND top, HWND control);
bool isVisible(HWND window);
bool isEnabled(HWND window);
bool isChecked(HWND checkBox);

// A button click as the button itself reports it. Posted, so a click that
// opens a modal box does not block the driver: wait for its effect.
void click(HWND button);
// A left-button press on a label (what links react to).
void press(HWND label);

// The text of a message box, and a click on one of its buttons (IDOK, ...).
std::wstring messageBoxText(HWND box);
void answer(HWND box, int buttonId);

// The colour on screen at a point of the client area of `top`.
COLORREF pixel(HWND top, int x, int y);
// Polls `condition` until it holds or `timeoutMs` passed; its last answer.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Saves what the screen shows of the window as a PNG file.
bool screenshot(HWND window, const std::wstring& pngPath);

}  // namespace ui_driver
