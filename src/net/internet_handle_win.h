#pragma once

#include "base/handle_win.h"

#include <wininet.h>

struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle invalid() { return nullptr; }
    static bool isValid(Handle h) { return h != nullptr; }
    static void close(Handle h) { InternetCloseHandle(h); }
};
// Declare in opening order: members and locals are destroyed in reverse, so a
// request closes before its connection and the connection before the session.
using InternetHandle = UniqueHandle<InternetHandleTraits>;
