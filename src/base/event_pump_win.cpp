#include "base/event_pump_win.h"

#include <windows.h>

void pumpPendingEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void EventPump::operator()()
{
    ULONGLONG now = GetTickCount64();
    if (now - lastPump_ < intervalMs_)
        return;
    lastPump_ = now;
    pumpPendingEvents();
}

void waitPumpingEvents(int milliseconds)
{
    ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now; (now = GetTickCount64()) < until;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        pumpPendingEvents();
    }
}
